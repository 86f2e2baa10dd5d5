#include "core/admin/PermissionFlags.h"

#include <algorithm>
#include <string_view>

namespace pelinor {

const std::vector<PermissionInfo>& permissionTable()
{
    static const std::vector<PermissionInfo> table = {
        { "C01", "营养档案", "新建档案" },
        { "C02", "营养档案", "查看档案" },
        { "C03", "营养档案", "修改档案" },
        { "C04", "营养档案", "删除档案" },
        { "C11", "营养配餐", "新建配餐" },
        { "C12", "营养配餐", "查看配餐" },
        { "C13", "营养配餐", "修改配餐" },
        { "C14", "营养配餐", "删除配餐" },
        { "C21", "信息管理", "健康体检" },
        { "C22", "信息管理", "卫生免疫" },
        { "C23", "信息管理", "考勤管理" },
        { "C24", "信息管理", "班级管理" },
        { "C31", "食谱管理", "原料管理" },
        { "C32", "食谱管理", "食谱管理" },
        { "C33", "食谱管理", "套餐管理" },
        { "C41", "系统设置", "营养师管理" },
        { "C42", "系统设置", "权限管理" },
        { "C43", "系统设置", "数据库备份" },
        { "C44", "系统设置", "密码修改" },
    };
    return table;
}

namespace {

bool isKnownCode(std::string_view code)
{
    const auto& table = permissionTable();
    return std::any_of(table.begin(), table.end(), [&](const PermissionInfo& info) { return code == info.code; });
}

} // namespace

PermissionFlags PermissionFlags::fromString(const std::string& permissionString)
{
    PermissionFlags flags;
    flags.grantFrom(permissionString);
    return flags;
}

void PermissionFlags::grantFrom(const std::string& permissionString)
{
    // One separator is appended, so a stored string that already ends in one reads the same.
    const std::string_view separator(kPermissionSeparator);
    const std::string text = permissionString + std::string(separator);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            break;
        }
        grant(text.substr(start, end - start));
        start = end + separator.size();
    }
}

void PermissionFlags::grant(const std::string& code)
{
    if (isKnownCode(code)) {
        m_granted.insert(code);
    }
}

void PermissionFlags::clear()
{
    m_granted.clear();
}

bool PermissionFlags::has(const std::string& code) const
{
    return m_granted.count(code) > 0;
}

bool PermissionFlags::empty() const
{
    return m_granted.empty();
}

std::vector<std::string> PermissionFlags::codes() const
{
    std::vector<std::string> result;
    for (const auto& info : permissionTable()) {
        if (has(info.code)) {
            result.emplace_back(info.code);
        }
    }
    return result;
}

std::string PermissionFlags::toPermissionString() const
{
    std::string result;
    for (const auto& code : codes()) {
        if (!result.empty()) {
            result += kPermissionSeparator;
        }
        result += code;
    }
    return result;
}

} // namespace pelinor
