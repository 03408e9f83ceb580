#include "app/detail_text.h"

#include "app/texts.h"
#include "data/sqlite_table3.h"

IdiomRecord ReadIdiomRecord(const TSQLiteTable& table)
{
    auto field = [&](const char* name) { return table.FieldAsString(table.FieldIndex(name)); };
    IdiomRecord r;
    r.id = field("id");
    r.tirsel = field("tirsel");
    r.pingyin = field("pingyin");
    r.diangu = field("diangu");
    r.chuchu = field("chuchu");
    r.lizi = field("lizi");
    r.jinyi = field("jinyi");
    r.fanyi = field("fanyi");
    r.oth = field("oth");
    r.py2 = field("py2");
    return r;
}

std::string DetailText(const IdiomRecord& r)
{
    using namespace texts;
    std::string text;
    for (const auto& [label, value] : {std::pair{kLabelIdiom, &r.tirsel}, {kLabelPinyin, &r.pingyin},
                                       {kLabelExplanation, &r.diangu}, {kLabelSource, &r.chuchu},
                                       {kLabelExample, &r.lizi}, {kLabelSynonyms, &r.jinyi},
                                       {kLabelAntonyms, &r.fanyi}}) {
        text += label;
        text += *value;
        text += kCrLf;
    }
    return text + r.oth;
}
