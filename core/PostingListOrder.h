#pragma once
// The order of the posting list when the accountant sorts it by one of its columns.
#include <string>
#include <string_view>
#include <vector>

namespace kex {

// The fields of the posting list's columns, in column order (zrusenoX and douctaX are the
// displayed texts, so sorting by them sorts by the text, not by the date).
const std::vector<std::string>& PostingListFields();

// "order by " + the field, for PostingSession::postings. Only the list's own fields are taken,
// so nothing the window holds reaches the statement; another name throws UsageError.
std::string PostingListOrder(std::string_view field);

} // namespace kex
