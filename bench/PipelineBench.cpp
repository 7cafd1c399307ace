// Judges realistic header sets against rule tables of 100 and 1,000 rows with a
// 10,000-entry blacklist, on one core, and prints judgements per second: the first
// pass of a check (one call per arriving row), the second pass over all rows, an
// explanation, and the second pass and "Auto mark msgs" on a 100,000-row list.
//
//   tarnwell_bench_pipeline [ROWS]      (the large list; default 100000)
#include "PipelineBenchData.h"

#include "support/RecordingPrompter.h"

#include "classify/pipeline/Classifier.h"
#include "classify/pipeline/ExplainMessage.h"
#include "classify/rules/SpamOptions.h"
#include "mail/MessageListModel.h"
#include "mail/MessageRowBuilder.h"
#include "mail/marks/MarkCommands.h"
#include "mail/marks/MarkCommandsWindow.h"
#include "mail/marks/MessageListSource.h"
#include "platform/RegionalFormats.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <array>
#include <cstdio>
#include <functional>

#include <sched.h>

using namespace tarnwell;

namespace {

constexpr int kMessages = 10000;
constexpr int kBlacklist = 10000;

void pinToOneCore()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(0, &set);
    if (sched_setaffinity(0, sizeof(set), &set) != 0)
        std::printf("(could not pin to one core; single-threaded anyway)\n");
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

class QuietWindow final : public MarkCommandsWindow
{
public:
    void stopAlarm() override {}
    void showStatus(const QString &) override {}
};

// The list as the check run leaves it: one row per header set, no marks yet.
void fill(MessageListModel &list, const QList<HeaderEntry> &sets)
{
    const RegionalFormats formats;
    const MessageRowBuilder rows(formats);
    list.clear();
    for (const HeaderEntry &entry : sets)
        list.append(rows.build(entry));
    list.flush();
}

QByteArray markCounts(const MessageListModel &list)
{
    std::array<int, 5> counts{}; // none, delete, question, blacklist, friend
    for (int i = 0; i < list.count(); ++i) {
        const Mark m = list.mark(i);
        ++counts[size_t(m == kNoMark ? 0 : m == kDeleteMark ? 1 : m == kQuestionMark ? 2 : m == kBlacklistMark ? 3 : 4)];
    }
    return "none " + QByteArray::number(counts[0]) + ", delete " + QByteArray::number(counts[1]) + ", question " +
           QByteArray::number(counts[2]) + ", blacklist " + QByteArray::number(counts[3]) + ", friend " +
           QByteArray::number(counts[4]);
}

// The header sets listed, rules of the given size, and the classifier over both.
struct JudgedList
{
    JudgedList(bench::PipelineBenchData &data, const QList<HeaderEntry> &sets, const KnownList &known, int rules)
        : tables(data.ruleTables(rules)), source(list, sets), classifier({source, tables, options, known, [] { return 1; }})
    {
        options.largerOn = true;
        options.largerLimit = 50000;
        options.largerDeletes = false;
        fill(list, sets);
    }

    RuleTables tables;
    SpamOptions options;
    MessageListModel list;
    MessageListSource source;
    Classifier classifier;
};

void judgeTenThousand(bench::PipelineBenchData &data, const QList<HeaderEntry> &sets, const KnownList &known, int rules)
{
    JudgedList judged(data, sets, known, rules);
    const RuleTables &tables = judged.tables;
    MessageListModel &list = judged.list;
    Classifier &classifier = judged.classifier;

    std::printf("%d header sets, %d rules (white list %d, subject %d, sender %d, header %d), blacklist %d\n",
                int(sets.size()), rules, tables.gridExcept.ruleRowCount(), tables.gridSubject.ruleRowCount(),
                tables.gridFrom.ruleRowCount(), tables.gridHeader.ruleRowCount(), int(known.size()));
    const double first = seconds([&] {
        for (int i = 0; i < list.count(); ++i)
            classifier.MarkForDeletion(i);
    });
    std::printf("  first pass, one call per arriving row: %8.3f s  %10.0f judgements/s\n", first, list.count() / first);
    const double second = seconds([&] { classifier.MarkForDeletion(MessageJudge::kAllRows); });
    std::printf("  second pass, all rows:                 %8.3f s  %10.0f judgements/s\n", second, list.count() / second);
    std::printf("  marks: %s\n", markCounts(list).constData());

    constexpr int kExplained = 1000;
    const double explaining = seconds([&] {
        for (int i = 0; i < kExplained; ++i)
            explainMessage(classifier, i);
    });
    std::printf("  explanation of one row:                %8.1f us\n", explaining / kExplained * 1e6);
}

void largeList(bench::PipelineBenchData &data, const QList<HeaderEntry> &sets, const KnownList &known, int rules)
{
    JudgedList judged(data, sets, known, rules);
    MessageListModel &list = judged.list;
    Classifier &classifier = judged.classifier;
    test::RecordingPrompter prompter;
    QuietWindow window;
    MarkCommands commands(list, classifier, prompter, window);

    std::printf("%d-row list, %d rules\n", list.count(), rules);
    const double second = seconds([&] { classifier.MarkForDeletion(MessageJudge::kAllRows); });
    std::printf("  second pass:     %8.3f s  %10.0f judgements/s\n", second, list.count() / second);
    const double remark = seconds([&] { commands.btRemarkClick(); });
    std::printf("  Auto mark msgs:  %8.3f s  %10.0f judgements/s\n", remark, list.count() / remark);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    pinToOneCore();
    const int largeRows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;

    bench::PipelineBenchData data;
    const QList<HeaderEntry> sets = data.headerSets(kMessages);
    const KnownList known = data.blacklist(kBlacklist);
    for (int rules : {100, 1000})
        judgeTenThousand(data, sets, known, rules);

    const QList<HeaderEntry> many = data.headerSets(largeRows);
    for (int rules : {100, 1000})
        largeList(data, many, known, rules);
    return 0;
}
