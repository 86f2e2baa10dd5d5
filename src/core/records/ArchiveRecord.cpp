#include "core/records/ArchiveRecord.h"

#include "core/db/CppSQLite3Query.h"

namespace pelinor {

ArchiveRecord ArchiveRecord::fromQuery(const CppSQLite3Query& query)
{
    ArchiveRecord r;
    r.archId = query.getStringField(0);
    r.archName = query.getStringField(1);
    r.gender = query.getStringField(2);
    r.nation = query.getStringField(3);
    r.height = query.getStringField(4);
    r.weight = query.getStringField(5);
    r.birth = query.getStringField(6);
    r.schoolName = query.getStringField(7);
    r.inTime = query.getStringField(8);
    r.className = query.getStringField(9);
    r.studentId = query.getStringField(10);
    r.hjCla = query.getStringField(11);
    r.address = query.getStringField(12);
    r.guardianName = query.getStringField(13);
    r.guardianTel = query.getStringField(14);
    r.guardianRelation = query.getStringField(15);
    r.aboBlood = query.getStringField(16);
    r.rhBlood = query.getStringField(17);
    r.allergy = query.getStringField(18);
    r.ill = query.getStringField(19);
    r.disable = query.getStringField(20);
    r.createdTime = query.getStringField(21);
    r.lcbx = query.getStringField(22);
    return r;
}

} // namespace pelinor
