#pragma once

namespace pelinor {

class TourContext;

// The tour's pictures of the health screens, on the demo folder's records.
void tourHealthList(TourContext& tour);
void tourHealthForm(TourContext& tour);
void tourHealthReport(TourContext& tour);
void tourHealthReportPreview(TourContext& tour);
void tourHealthPicker(TourContext& tour);
void tourAttendance(TourContext& tour);
void tourAttendanceEntry(TourContext& tour);
void tourAttendanceDetail(TourContext& tour);
void tourAttendancePreview(TourContext& tour);
void tourImmunisation(TourContext& tour);
void tourVaccinationEntry(TourContext& tour);
void tourVaccinationEdit(TourContext& tour);
void tourVaccinationView(TourContext& tour);
void tourDueVaccinations(TourContext& tour);
void tourDueVaccinationsPreview(TourContext& tour);
void tourVaccines(TourContext& tour);
void tourVaccineAdd(TourContext& tour);
void tourVaccineEdit(TourContext& tour);

} // namespace pelinor
