#include "platform/DbfTable.h"

#include <cstdio>
#include <shapefil.h>
#include <stdexcept>

#include "platform/Cp1250.h"

namespace kex {
namespace {

std::string trimmed(const char* s)
{
    std::string v = s ? s : "";
    std::size_t b = v.find_first_not_of(' '), e = v.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : v.substr(b, e - b + 1);
}

} // namespace

void WriteDbf(const std::string& path, const std::vector<DbfField>& fields, const std::vector<DbfRow>& rows)
{
    std::remove(path.c_str());
    // Language driver 0xC8: Windows Central European (cp1250).
    DBFHandle h = DBFCreateEx(path.c_str(), "LDID/200");
    if (!h) throw std::runtime_error("The dBASE table " + path + " cannot be created.");
    for (const auto& f : fields) {
        std::string name = Utf8ToCp1250(f.name.substr(0, 10));
        int ok = -1;
        switch (f.type) {
        case DbfType::Text: ok = DBFAddField(h, name.c_str(), FTString, f.width > 0 ? std::min(f.width, 254) : 50, 0); break;
        case DbfType::Integer: ok = DBFAddField(h, name.c_str(), FTInteger, f.width > 0 ? f.width : 11, 0); break;
        case DbfType::Float: ok = DBFAddField(h, name.c_str(), FTDouble, f.width > 0 ? f.width : 19, f.decimals > 0 ? f.decimals : 4); break;
        case DbfType::Date: ok = DBFAddNativeFieldType(h, name.c_str(), 'D', 8, 0); break;
        }
        if (ok < 0) {
            DBFClose(h);
            throw std::runtime_error("The dBASE table " + path + " cannot take the field " + f.name + ".");
        }
    }
    int record = 0;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < fields.size() && i < row.size(); ++i) {
            const std::string& v = row[i];
            int ok = 1;
            if (v.empty()) {
                ok = DBFWriteNULLAttribute(h, record, static_cast<int>(i));
            } else if (fields[i].type == DbfType::Text) {
                ok = DBFWriteStringAttribute(h, record, static_cast<int>(i), Utf8ToCp1250(v).c_str());
            } else if (fields[i].type == DbfType::Integer) {
                ok = DBFWriteIntegerAttribute(h, record, static_cast<int>(i), std::stoi(v));
            } else if (fields[i].type == DbfType::Float) {
                ok = DBFWriteDoubleAttribute(h, record, static_cast<int>(i), std::stod(v));
            } else {
                std::string date = v;
                ok = DBFWriteAttributeDirectly(h, record, static_cast<int>(i), date.data());
            }
            // A value wider than its field is cut by shapelib; the list's grid still shows the row.
            (void)ok;
        }
        if (fields.empty()) break;
        ++record;
    }
    DBFClose(h);
}

DbfContent ReadDbf(const std::string& path)
{
    DBFHandle h = DBFOpen(path.c_str(), "rb");
    if (!h) throw std::runtime_error("The dBASE table " + path + " cannot be read.");
    DbfContent c;
    int n = DBFGetFieldCount(h);
    for (int i = 0; i < n; ++i) {
        char name[12] = {};
        int width = 0, decimals = 0;
        DBFFieldType t = DBFGetFieldInfo(h, i, name, &width, &decimals);
        char native = DBFGetNativeFieldType(h, i);
        DbfType type = native == 'D' ? DbfType::Date
                       : t == FTInteger ? DbfType::Integer
                       : t == FTDouble  ? DbfType::Float
                                        : DbfType::Text;
        c.fields.push_back({Cp1250ToUtf8(name), type, width, decimals});
    }
    int records = DBFGetRecordCount(h);
    for (int r = 0; r < records; ++r) {
        DbfRow row;
        for (int i = 0; i < n; ++i)
            row.push_back(DBFIsAttributeNULL(h, r, i) ? std::string() : Cp1250ToUtf8(trimmed(DBFReadStringAttribute(h, r, i))));
        c.rows.push_back(std::move(row));
    }
    DBFClose(h);
    return c;
}

} // namespace kex
