// Cost of the text conditions on subjects of the kind a mailbox holds, of parsing a
// rule's condition from its cell, of scanning a subject rule table and of a blacklist
// lookup. Figures are per subject (or per lookup).
#include "classify/rules/KnownList.h"
#include "classify/rules/RuleColumns.h"
#include "classify/rules/RuleTableEdits.h"
#include "classify/text/Condition.h"
#include "classify/text/SubjectPrefix.h"
#include "classify/text/TextConditions.h"
#include "classify/text/WordDelimiters.h"

#include <benchmark/benchmark.h>

using namespace tarnwell;

namespace {

const QList<QByteArray> &subjects()
{
    static const QList<QByteArray> list{
        "Re: Minutes of Tuesday's planning meeting",
        "FREE!!! Claim your $1000 gift card NOW",
        "Your invoice #48213 from Northwind Traders",
        "Fwd: photos from the weekend",
        "MAKE MONEY FAST - work from home 100% guaranteed",
        "Lowest prices on meds, no prescription needed",
        "Re: Re: Fwd: Budget 2024 (draft 3)",
        "Weekly newsletter: ten tips for a greener garden",
        "URGENT: your account has been suspended",
        "Hi",
        "",
        "   ",
        "Congratulations, you have won!!! Reply within 24 hours to claim your prize",
        "Caf\xC3\xA9 au lait and cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e recipes",
        "=?ISO-8859-1?Q?Gr=FC=DFe_aus_M=FCnchen?=",
        "Meeting moved to 3pm",
        "Get it-FREE! Limited offer",
        "Order 12345678 shipped",
        "Lunch?",
        "Your free trial ends tomorrow - upgrade now and save 50%",
    };
    return list;
}

void runCondition(benchmark::State &state, Condition condition, QByteArrayView pattern, bool caseSensitive)
{
    const auto &list = subjects();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(conditionHolds(condition, list[i], pattern, caseSensitive));
        i = (i + 1) % list.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Contains(benchmark::State &state)
{
    runCondition(state, Condition::Contains, "free", state.range(0) != 0);
}
BENCHMARK(BM_Contains)->ArgName("caseSensitive")->Arg(0)->Arg(1);

void BM_ContainsWholeWord(benchmark::State &state)
{
    runCondition(state, Condition::ContainsWholeWord, "free", state.range(0) != 0);
}
BENCHMARK(BM_ContainsWholeWord)->ArgName("caseSensitive")->Arg(0)->Arg(1);

void BM_Equals(benchmark::State &state)
{
    runCondition(state, Condition::Equals, "Meeting moved to 3pm", state.range(0) != 0);
}
BENCHMARK(BM_Equals)->ArgName("caseSensitive")->Arg(0)->Arg(1);

void BM_StartsWith(benchmark::State &state)
{
    runCondition(state, Condition::StartsWith, "urgent", state.range(0) != 0);
}
BENCHMARK(BM_StartsWith)->ArgName("caseSensitive")->Arg(0)->Arg(1);

void BM_EndsWith(benchmark::State &state)
{
    runCondition(state, Condition::EndsWith, "now", state.range(0) != 0);
}
BENCHMARK(BM_EndsWith)->ArgName("caseSensitive")->Arg(0)->Arg(1);

void BM_Shape(benchmark::State &state)
{
    runCondition(state, Condition(state.range(0)), {}, false);
}
BENCHMARK(BM_Shape)
    ->ArgName("condition")
    ->Arg(int(Condition::IsBlank))
    ->Arg(int(Condition::IsUppercase))
    ->Arg(int(Condition::AllNumeric))
    ->Arg(int(Condition::HalfNumeric))
    ->Arg(int(Condition::FirstCharNumeric))
    ->Arg(int(Condition::ThreeSpaces));

void BM_StripReFwd(benchmark::State &state)
{
    const auto &list = subjects();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(stripReFwd(list[i]));
        i = (i + 1) % list.size();
    }
}
BENCHMARK(BM_StripReFwd);

void BM_SplitWords(benchmark::State &state)
{
    const auto &list = subjects();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(splitWords(list[i]));
        i = (i + 1) % list.size();
    }
}
BENCHMARK(BM_SplitWords);

void BM_ConditionFromCell(benchmark::State &state)
{
    const QList<QByteArray> cells{"Contains", "Contains (whole word)", "Equals",      "Starts with",
                                  "Ends with", "Is blank",             "Is UPPERCASE", "Contains >= 3 spaces"};
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(conditionFromCell(cells[i]));
        i = (i + 1) % cells.size();
    }
}
BENCHMARK(BM_ConditionFromCell);

// A subject judged against a table of N subject rules, reading every rule from its cells.
void BM_SubjectTableScan(benchmark::State &state)
{
    const char *conditions[] = {"Contains", "Contains (whole word)", "Starts with", "Ends with", "Equals"};
    RuleTable table(RuleTableKind::Subject);
    for (int i = 0; i < state.range(0); ++i)
        appendRule(table, {"", conditions[i % 5], "pattern" + QByteArray::number(i), i % 2 ? "Yes" : "No", "No", "0"});
    const auto &list = subjects();
    qsizetype s = 0;
    for (auto _ : state) {
        int matches = 0;
        for (int row = 1; row < table.rowCount(); ++row) {
            matches += conditionHolds(table.condition(row), list[s], table.cell(row, SubjectColumn::Matches),
                                      table.isYes(row, SubjectColumn::Case));
        }
        benchmark::DoNotOptimize(matches);
        s = (s + 1) % list.size();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SubjectTableScan)->ArgName("rules")->Arg(10)->Arg(200)->Arg(2000);

void BM_KnownListLookup(benchmark::State &state)
{
    KnownList list;
    QByteArray file;
    for (int i = 0; i < state.range(0); ++i)
        file += "spammer" + QByteArray::number(i * 7919) + ".example\r\n";
    list.load(file);
    qsizetype i = 0;
    const QList<QByteArray> senders{"joe@spammer7919.example", "friend@mail.example.org", "x@SPAMMER15838.EXAMPLE"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.isInKnownList(senders[i]));
        i = (i + 1) % senders.size();
    }
}
BENCHMARK(BM_KnownListLookup)->ArgName("entries")->Arg(100)->Arg(10000)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
