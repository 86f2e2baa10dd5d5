#pragma once

#include <string>
#include <string_view>

namespace pelinor {

// Body indices of a child from height (cm) and weight (kg), both in single precision as the
// evaluation has always computed them:
//   Kaup   = weight / height² × 10⁴
//   Rohrer = weight / height³ × 10⁷
// A height of 0 gives an infinite or undefined value; the grading below copes with both.
struct BodyIndices
{
    float kaup = 0.0f;
    float rohrer = 0.0f;
};

BodyIndices bodyIndices(float heightCm, float weightKg);

// The same from the stored texts (read like atof: "" and junk read as 0).
BodyIndices bodyIndicesFromText(std::string_view heightCm, std::string_view weightKg);

// An index as shown and printed: "%.2f".
std::string indexText(float value);

// The weight-for-height evaluation chosen by Kaup, first band that holds, each test a strict
// less-than: below 10, below 15, below 22, below 27, otherwise the last text. A boundary value
// belongs to the higher band; an undefined or infinite Kaup lands in the last band.
const std::string& kaupEvaluationText(float kaup);

} // namespace pelinor
