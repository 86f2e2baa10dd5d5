#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace pelinor {

// The anchoring rule for controls placed at fixed positions: each registered control keeps its
// first rectangle and four percentages. When the parent's client size has changed by dx, dy
// since registration, it moves to left + dx*p1/100, top + dy*p2/100 and grows by dx*p3/100 and
// dy*p4/100 (integer division). Pages that use Qt layouts do not need it.
class CAnchorLayout
{
public:
    struct Percentages
    {
        int moveX = 0;
        int moveY = 0;
        int growX = 0;
        int growY = 0;
    };

    // Registers a control at its current geometry inside a parent of size `parentSize`.
    void add(QWidget* control, const QSize& parentSize, Percentages percentages);
    // Places every registered control for a parent of size `parentSize`.
    void apply(const QSize& parentSize) const;

    // The rectangle the rule gives for one control.
    static QRect anchored(const QRect& first, const QSize& firstParent, const QSize& parentSize, Percentages p);

private:
    struct Anchor
    {
        QPointer<QWidget> control;
        QRect first;
        QSize parentSize;
        Percentages percentages;
    };
    QList<Anchor> m_anchors;
};

} // namespace pelinor
