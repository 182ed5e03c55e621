#include "core/PostingListOrder.h"

#include <algorithm>

#include "core/Errors.h"

namespace kex {

const std::vector<std::string>& PostingListFields()
{
    static const std::vector<std::string> fields = {"datum", "obdobi", "stredisko", "cislo", "md",
                                                    "dal",   "vl",     "fa",        "douctaX", "zrusenoX"};
    return fields;
}

std::string PostingListOrder(std::string_view field)
{
    const auto& fields = PostingListFields();
    if (std::find(fields.begin(), fields.end(), field) == fields.end())
        throw UsageError("The posting list has no column \"" + std::string(field) + "\" to sort by.");
    return "order by " + std::string(field);
}

} // namespace kex
