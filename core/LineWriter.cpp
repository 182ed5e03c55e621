#include "core/LineWriter.h"

#include "db/Connection.h"

namespace kex {
namespace {

const char* kLineColumns = "insert into kexcdotmp\n"
                           "(mesic,rok,doklad,denik,ucet,v343,stredisko,dealer,\n"
                           "symbol,md,dal,text,datzdp,ico,nazevpodni,kodpar,zaklad,nomenkla,datspl,\n"
                           "pdoklad,mena,kurz,md8,dal8,pestitel,id)\n values";

const char* kRecordColumns = "insert into kexcfatmp\n"
                             "(mesic,rok,doklad,pdoklad,denik,ucet,v343,stredisko,\n"
                             "symbol,castka,rozdil,ico,kodpar,dic,nazevpodni,sidlo,\n"
                             "ulicecislo,psc,posta,text,datzdp,datvyst,datspl,\n"
                             "dan5,dan23,zakl0,zakl5,zakl23,dealer,banka,zvla_dispo,bank_ucet,\n"
                             "mena,kurz,devizy,skontokc,skontospla,id)\n values";

// One value per line, as the suite's statements always had them.
class Values {
public:
    Values& text(const std::string& v) { return put(TextLiteral(v)); }
    Values& amount(long double v) { return put(ExtendedAmountLiteral(v)); }
    Values& date(const DateTime& v) { return put(DateLiteral(v)); }
    Values& integer(long long v) { return put(IntLiteral(v)); }
    std::string done() { return m_s + ")"; }

private:
    Values& put(const std::string& v)
    {
        m_s += m_s.empty() ? "(" : ",\n";
        m_s += v;
        return *this;
    }
    std::string m_s;
};

} // namespace

void LineWriter::add(const JournalLine& l)
{
    Values v;
    v.text(l.mesic).text(l.rok).text(l.doklad).text(l.denik).text(l.ucet).text(l.v343).text(l.stredisko);
    v.text(l.dealer).text(l.symbol).amount(l.md).amount(l.dal).text(l.text).date(l.datzdp).text(l.ico);
    v.text(l.nazevpodni).text(l.kodpar).text(l.zaklad).text(l.nomenkla).date(l.datspl).text(l.pdoklad);
    v.text(l.mena).amount(l.kurz).amount(l.md8).amount(l.dal8).text(l.pestitel).integer(m_tag);
    m_lineValues.push_back(v.done());
    ++m_lines;
    if (m_lineValues.size() >= m_batchRows) flushLines();
}

void LineWriter::add(const OpenItemRecord& r)
{
    Values v;
    v.text(r.mesic).text(r.rok).text(r.doklad).text(r.pdoklad).text(r.denik).text(r.ucet).text(r.v343);
    v.text(r.stredisko).text(r.symbol).amount(r.castka).amount(r.rozdil).text(r.ico).text(r.kodpar).text(r.dic);
    v.text(r.nazevpodni).text(r.sidlo).text(r.ulicecislo).text(r.psc).text(r.posta).text(r.text).date(r.datzdp);
    v.date(r.datvyst).date(r.datspl).amount(r.dan5).amount(r.dan23).amount(r.zakl0).amount(r.zakl5);
    v.amount(r.zakl23).text(r.dealer).text(r.banka).text(r.zvla_dispo).text(r.bank_ucet).text(r.mena);
    v.amount(r.kurz).amount(r.devizy).amount(r.skontokc).date(r.skontospla).integer(m_tag);
    m_recordValues.push_back(v.done());
    ++m_records;
    if (m_recordValues.size() >= m_batchRows) flushRecords();
}

void LineWriter::flushLines()
{
    if (m_lineValues.empty()) return;
    std::string sql = kLineColumns;
    for (std::size_t i = 0; i < m_lineValues.size(); ++i) {
        if (i) sql += ",\n";
        sql += m_lineValues[i];
    }
    m_lineValues.clear();
    m_connection.execute(sql);
    if (m_onFlush) m_onFlush(m_lines + m_records);
}

void LineWriter::flushRecords()
{
    if (m_recordValues.empty()) return;
    std::string sql = kRecordColumns;
    for (std::size_t i = 0; i < m_recordValues.size(); ++i) {
        if (i) sql += ",\n";
        sql += m_recordValues[i];
    }
    m_recordValues.clear();
    m_connection.execute(sql);
    if (m_onFlush) m_onFlush(m_lines + m_records);
}

void LineWriter::flush()
{
    // Journal lines first: their id2 numbers the lines in the order the rules wrote them.
    flushLines();
    flushRecords();
}

void LineWriter::discard()
{
    m_lineValues.clear();
    m_recordValues.clear();
}

} // namespace kex
