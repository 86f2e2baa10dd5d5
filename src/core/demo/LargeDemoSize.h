#pragma once

namespace pelinor {

// How big the large demonstration kindergarten is. The defaults are a big kindergarten after five
// years; tests make a smaller one with the same rules.
struct LargeDemoSize
{
    int foods = 2000; // the shipped foods included
    int classes = 20; // the three built-in classes included
    int childrenPerClass = 30;
    int weekPlans = 1000;
    int dayPlans = 150;
    int setMeals = 200; // the shipped set meals included
    int attendanceEvents = 20000;
    int examinations = 3000;
};

} // namespace pelinor
