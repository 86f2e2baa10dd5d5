#include "core/db/TransactionGuard.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"

namespace pelinor {

TransactionGuard::TransactionGuard(CppSQLite3DB& db)
    : m_db(db)
{
    m_db.execQuery("BEGIN IMMEDIATE");
}

TransactionGuard::~TransactionGuard()
{
    if (m_open) {
        try {
            m_db.execQuery("ROLLBACK");
        } catch (const CppSQLite3Exception&) {
            // SQLite may have rolled back already (a failed COMMIT, a full disk); nothing is left to undo.
        }
    }
}

void TransactionGuard::commit()
{
    m_db.execQuery("COMMIT");
    m_open = false;
}

} // namespace pelinor
