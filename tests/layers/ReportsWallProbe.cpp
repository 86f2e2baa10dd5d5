// Must not compile: the report library links QtGui only, so a widget header is out of its reach.
// The test ReportsWall.WidgetsAreOutOfReach builds this file and expects the compiler to say so.
#include <QWidget>

int main()
{
    return 0;
}
