#pragma once

namespace pelinor {

class CppSQLite3DB;

// Runs a change made of several statements as one: begun on construction, kept by commit(),
// undone by the destructor when commit() was never reached (an exception part-way, an early return).
class TransactionGuard
{
public:
    explicit TransactionGuard(CppSQLite3DB& db);
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;
    ~TransactionGuard();

    void commit();

private:
    CppSQLite3DB& m_db;
    bool m_open = true;
};

} // namespace pelinor
