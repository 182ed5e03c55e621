#pragma once
// The test bed every posting-rule test starts from: a database of its own on the private server,
// a started workstation, the centres 43 (structure 07) and 44 (structure 08), and the posting of
// a tab in one period. Each rule family adds its partners, articles and document builders.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/PostingSession.h"
#include "core/Tabs.h"
#include "core/Workstation.h"
#include "support/FakePrompter.h"
#include "support/Fixtures.h"
#include "support/TestDatabase.h"

namespace kex::test {

class RulesFixture : public ::testing::Test {
protected:
    // The period the tests post in, as the period dialog takes it ("04", "2013").
    RulesFixture(std::string month, std::string year) : m_month(std::move(month)), m_year(std::move(year)) {}

    // Skips the test without a server; a derived SetUp returns when IsSkipped().
    void SetUp() override;

    // Sets a key of keximpl; a session opened afterwards reads it.
    void setting(const std::string& key, const std::string& value);

    // Opens the period afresh: a session already open is closed, and the settings are read anew.
    PostingSession& openPeriod();
    // Selects the documents of the tab in the open session (a click spreads over an invoice's
    // documents; every key must be found) and posts the tab.
    PostingSession& selectAndPost(Tab tab, const std::vector<std::string>& keys);
    // The row id of the document `number` of a document table.
    long long documentId(const std::string& table, const std::string& number);

    TestDatabase db;
    ProgramDir dir;
    FakePrompter prompter;
    std::optional<Fixtures> fx;
    std::unique_ptr<Workstation> ws;

private:
    std::string m_month, m_year;
};

} // namespace kex::test
