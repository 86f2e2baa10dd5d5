#pragma once

#include <stdexcept>
#include <string>

struct sqlite3;

namespace pelinor {

// The one kind of error the database layer raises; what() is the message the user is shown.
// Code 1000 marks errors found by the layer itself.
class CppSQLite3Exception : public std::runtime_error
{
public:
    static constexpr int kLayerError = 1000;

    CppSQLite3Exception(int errorCode, const std::string& detail);
    virtual ~CppSQLite3Exception() = default;

    int errorCode() const;
    std::string errorMessage() const;

    static const char* errorCodeAsString(int errorCode);
    // An error whose detail is the connection's own last error text (empty without a connection).
    static CppSQLite3Exception fromConnection(int errorCode, sqlite3* connection);

private:
    int m_code;
};

} // namespace pelinor
