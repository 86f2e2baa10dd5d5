#include "core/common/NutrientVector.h"

#include "core/db/CppSQLite3Query.h"

namespace pelinor {

NutrientVector NutrientVector::fromFoodRow(const CppSQLite3Query& row)
{
    NutrientVector result;
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        result.m_values[i] = row.getFloatField(kNutrientFoodColumns[i]);
    }
    return result;
}

} // namespace pelinor
