#include "core/analysis/PlanDayAnalysis.h"

#include "core/analysis/PlanDaySource.h"
#include "core/common/Clock.h"
#include "core/planning/IntakeReference.h"

namespace pelinor {

PlanDayAnalysis AnalysePlanDay(int planId, const std::string& dayKey)
{
    return AnalysePlanDay(planId, dayKey, programClock().today().year);
}

PlanDayAnalysis AnalysePlanDay(int planId, const std::string& dayKey, int referenceYear)
{
    const PlanDaySource source = loadPlanDay(planId, dayKey);
    const SubjectIntake intake = source.planFound
        ? subjectIntake(PlanSubject { source.kind, source.subjects, source.archId }, referenceYear)
        : SubjectIntake {};

    PlanDayAnalysis analysis;
    analysis.plan.id = planId;
    analysis.plan.found = source.planFound;
    analysis.plan.name = source.planName;
    analysis.plan.cycle = source.cycle;
    analysis.plan.dayKey = source.dayKey;
    analysis.plan.dayDate = source.dayDate;
    analysis.plan.referenceYear = referenceYear;
    analysis.subject = loadSubjectHeader(source, programClock().today());
    analysis.content = computeNutrientContent(source);
    analysis.comparison = compareWithStandard(source, intake);
    analysis.dietStructure = evaluateDietStructure(source);
    analysis.nutrients = evaluateNutrients(source, intake);
    analysis.energySources = computeEnergySources(source);
    analysis.macronutrients = computeMacronutrientRatios(source);
    return analysis;
}

} // namespace pelinor
