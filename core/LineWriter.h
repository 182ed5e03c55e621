#pragma once
// Writes the journal lines and open-item records of the open posting into the working tables.
// Rows are gathered and sent as multi-row inserts; each row carries every column the rules may
// set, so a column a rule leaves alone gets the same value the table's default would give.
// Every row is tagged in `id` with the tab that wrote it, so the tab's back button removes
// exactly what its post wrote; the commit clears the tag before copying into the journal.
#include <functional>
#include <string>
#include <vector>

#include "core/DateTime.h"
#include "core/Values.h"

namespace kex {

namespace db {
class Connection;
}

// A date column the rule did not set: the table's default.
inline DateTime DefaultRowDate() { return MakeDate(1900, 1, 1); }

struct JournalLine {
    std::string mesic, rok, doklad, denik, ucet, v343, stredisko, dealer, symbol;
    long double md = 0, dal = 0;
    std::string text;
    DateTime datzdp = DefaultRowDate();
    std::string ico, nazevpodni, kodpar, zaklad, nomenkla;
    DateTime datspl = DefaultRowDate();
    std::string pdoklad, mena;
    double kurz = 0, md8 = 0, dal8 = 0;
    std::string pestitel;
};

struct OpenItemRecord {
    std::string mesic, rok, doklad, pdoklad, denik, ucet, v343, stredisko, symbol;
    double castka = 0, rozdil = 0;
    std::string ico, kodpar, dic, nazevpodni, sidlo, ulicecislo, psc, posta, text;
    DateTime datzdp = DefaultRowDate(), datvyst = DefaultRowDate(), datspl = DefaultRowDate();
    double dan5 = 0, dan23 = 0, zakl0 = 0, zakl5 = 0, zakl23 = 0;
    std::string dealer, banka, bank_ucet, zvla_dispo, mena;
    double kurz = 0, devizy = 0, skontokc = 0;
    DateTime skontospla = DefaultRowDate();
};

class LineWriter {
public:
    explicit LineWriter(db::Connection& connection, std::size_t batchRows = 500)
        : m_connection(connection), m_batchRows(batchRows)
    {
    }

    // The tag written into `id` of every following row (the tab's number, 1 and up).
    void setTag(int tag) { m_tag = tag; }

    void add(const JournalLine& line);
    void add(const OpenItemRecord& record);
    // Sends what is gathered. Called before anything reads the working tables and at the end of a post.
    void flush();
    // Forgets rows not yet sent (after a failed post, whose transaction is rolled back anyway).
    void discard();

    // Called after every batch sent, with the rows written so far: long posts show they are moving.
    void onFlush(std::function<void(long long rows)> callback) { m_onFlush = std::move(callback); }

    long long linesWritten() const { return m_lines; }
    long long recordsWritten() const { return m_records; }
    void resetCounts() { m_lines = m_records = 0; }

private:
    void flushLines();
    void flushRecords();

    db::Connection& m_connection;
    std::size_t m_batchRows;
    int m_tag = 0;
    std::vector<std::string> m_lineValues, m_recordValues;
    long long m_lines = 0, m_records = 0;
    std::function<void(long long)> m_onFlush;
};

} // namespace kex
