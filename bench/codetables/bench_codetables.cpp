// Indexed code tables against the straightforward first-occurrence search, on the shipped tables.
// Run from the build folder: bench/codetables/bench_codetables [--benchmark_repetitions=10]

#include "CodeTables.h"
#include "LinearLookup.h"
#include "ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A plain article of everyday words, as a typing lesson would give it.
const char *const kArticle =
    "清晨的小镇还没有完全醒来，街口的早点铺已经冒出了热气。老师傅一边揉面一边和来往的邻居打招呼，"
    "孩子们背着书包从门前跑过，笑声在巷子里来回飘荡。我在窗前坐下，打开电脑，准备完成今天的练习。"
    "学习打字并不难，难的是每天坚持。开始的时候，手指总是找不到正确的位置，一个字要看好几遍键盘才能打出来。"
    "后来我给自己定了一个计划：每天早上练习半个小时，先熟悉字根，再练单字，最后练词组和文章。"
    "一个月以后，速度慢慢提高了，错误也越来越少。现在我已经可以不看键盘，一边思考一边输入，"
    "写信、记笔记、整理资料都方便了很多。回头想想，最重要的经验就是不要着急，把基础打牢，"
    "遇到不会的字就查一查编码，记在生字本里，过几天再复习一次。时间长了，这些字自然就记住了。"
    "窗外的太阳升高了，街上的人也多了起来。我保存好今天的成绩，关上电脑，出门去买一份报纸。"
    "社会在发展，技术在进步，人们获取信息的方式也在不断变化，但认真做好一件事情的道理始终没有改变。";

const QString &article()
{
    static const QString text = QString::fromUtf8(kArticle);
    return text;
}

void useProgramFolder()
{
    static const bool once = [] {
        ProgramFolder::setRoot(QString::fromUtf8(KEYLOOM_PROGRAM_DIR));
        return true;
    }();
    (void)once;
}

const CodeTables &loadedTables()
{
    static const CodeTables tables = [] {
        useProgramFolder();
        CodeTables t;
        t.LoadCodeTables(CodeTables::Wubi);
        t.LoadCodeTables(CodeTables::Pinyin);
        if (!t.isLoaded(CodeTables::Wubi) || !t.isLoaded(CodeTables::Pinyin)) {
            std::fprintf(stderr, "no code tables in %s: build the keyloom_data target first\n",
                         KEYLOOM_PROGRAM_DIR);
            std::exit(1);
        }
        return t;
    }();
    return tables;
}

const LinearLookup &linearTables()
{
    static const LinearLookup linear = [] {
        LinearLookup l;
        for (int n = 1; n <= 10; ++n) {
            l.wubi[n - 1] = loadedTables().WubiTables(n).text();
            l.pinyin[n - 1] = loadedTables().PinyinTables(n).text();
        }
        return l;
    }();
    return linear;
}

// Slides over the article one character per call, as the hint follows the typist.
template <typename Lookup>
void slide(benchmark::State &state, Lookup lookup)
{
    const QString &text = article();
    qsizetype position = 0;
    qsizetype found = 0;
    for (auto _ : state) {
        const QString result = lookup(QStringView(text).sliced(position));
        found += result.size();
        benchmark::DoNotOptimize(result.constData());
        if (++position == text.size())
            position = 0;
    }
    benchmark::DoNotOptimize(found);
}

void BM_LoadAndIndexAllTables(benchmark::State &state)
{
    useProgramFolder();
    for (auto _ : state) {
        CodeTables tables;
        tables.LoadCodeTables(CodeTables::Wubi);
        tables.LoadCodeTables(CodeTables::Pinyin);
        benchmark::DoNotOptimize(tables.WubiTables(2).entryCount());
    }
}
BENCHMARK(BM_LoadAndIndexAllTables)->Unit(benchmark::kMillisecond);

void BM_LookUpWubiCode(benchmark::State &state)
{
    const CodeTables &tables = loadedTables();
    slide(state, [&](QStringView rest) { return tables.LookUpWubiCode(rest.first(1)); });
}
BENCHMARK(BM_LookUpWubiCode);

void BM_MatchLongestWubi(benchmark::State &state)
{
    const CodeTables &tables = loadedTables();
    slide(state, [&](QStringView rest) { return tables.MatchLongestWubi(rest); });
}
BENCHMARK(BM_MatchLongestWubi);

void BM_MatchLongestPinyin(benchmark::State &state)
{
    const CodeTables &tables = loadedTables();
    slide(state, [&](QStringView rest) { return tables.MatchLongestPinyin(rest); });
}
BENCHMARK(BM_MatchLongestPinyin);

void BM_Baseline_LookUpWubiCode(benchmark::State &state)
{
    const LinearLookup &linear = linearTables();
    slide(state, [&](QStringView rest) { return linear.lookUpWubiCode(rest.first(1)); });
}
BENCHMARK(BM_Baseline_LookUpWubiCode)->Unit(benchmark::kMicrosecond);

void BM_Baseline_MatchLongestWubi(benchmark::State &state)
{
    const LinearLookup &linear = linearTables();
    slide(state, [&](QStringView rest) { return linear.matchLongestWubi(rest); });
}
BENCHMARK(BM_Baseline_MatchLongestWubi)->Unit(benchmark::kMicrosecond);

void BM_Baseline_MatchLongestPinyin(benchmark::State &state)
{
    const LinearLookup &linear = linearTables();
    slide(state, [&](QStringView rest) { return linear.matchLongestPinyin(rest); });
}
BENCHMARK(BM_Baseline_MatchLongestPinyin)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
