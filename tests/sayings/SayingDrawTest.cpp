#include "sayings/SayingDraw.h"
#include "platform/RandomSource.h"
#include "platform/RuntimeFailure.h"
#include "support/FixedRandom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace jestrel
{
namespace
{

constexpr std::string_view kPlaceholder = "Insert Witty Message Here!";

struct DrawRun {
    std::vector<std::string> captions;
    std::string failure;
};

DrawRun draw(const test::TempDir &dir, test::FixedRandom &random)
{
    DrawRun run;
    try {
        drawSaying(random,
                   { [&](const std::string &caption) { run.captions.push_back(caption); },
                     [&](const std::string &caption) { run.captions.push_back("announced: " + caption); } },
                   SayingsFile((dir.path() / "Jestrel.Ini").string()));
    } catch (const RuntimeFailure &failure) {
        run.failure = failure.what();
    }
    return run;
}

TEST(DrawSaying, ShowsThePlaceholderThenTheDrawnSayingWhichAloneIsAnnounced)
{
    test::TempDir dir;
    dir.write("Jestrel.Ini", "4\r\nfirst\r\nsecond\r\nthird\r\n");
    test::FixedRandom random({ 0.0f, 0.5f, 0x1.fffffep-1f });
    const std::vector<std::string> expected[] = {
        { std::string(kPlaceholder), "first", "announced: first" },
        { std::string(kPlaceholder), "second", "announced: second" },
        { std::string(kPlaceholder), "third", "announced: third" },
    };
    for (const auto &captions : expected) {
        const DrawRun run = draw(dir, random);
        EXPECT_EQ(run.failure, "");
        EXPECT_EQ(run.captions, captions);
    }
    EXPECT_EQ(random.reseeds, 3);
}

TEST(DrawSaying, ReadsTheFileAfreshOnEveryDraw)
{
    test::TempDir dir;
    test::FixedRandom random({ 0.0f });
    dir.write("Jestrel.Ini", "2\r\nbefore\r\n");
    EXPECT_EQ(draw(dir, random).captions.back(), "announced: before");
    dir.write("Jestrel.Ini", "2\r\nafter\r\n");
    EXPECT_EQ(draw(dir, random).captions.back(), "announced: after");
}

TEST(DrawSaying, LeavesThePlaceholderOnEveryFailure)
{
    const std::pair<const char *, const char *> files[] = {
        { nullptr, "there is no such file" },
        { "", "the file is empty" },
        { "abc\r\nx\r\n", "is not a number" },
        { "1003\r\nx\r\n", "is out of range" },
        { "5\r\nx\r\n", "but the count on line 1 promises 5 lines" },
    };
    for (const auto &[contents, fault] : files) {
        SCOPED_TRACE(fault);
        test::TempDir dir;
        if (contents)
            dir.write("Jestrel.Ini", contents);
        test::FixedRandom random({ 0.0f });
        const DrawRun run = draw(dir, random);
        EXPECT_EQ(run.captions, std::vector<std::string> { std::string(kPlaceholder) });
        EXPECT_NE(run.failure.find("Jestrel.Ini"), std::string::npos) << run.failure;
        EXPECT_NE(run.failure.find(fault), std::string::npos) << run.failure;
    }
}

TEST(SayingAnnouncement, HoldsTheLastSayingUntilTheWindowIsPresentedThenSpeaksEachAtOnce)
{
    std::vector<std::string> spoken;
    SayingAnnouncement announcement([&](const std::string &saying) { spoken.push_back(saying); });
    announcement.announce("dropped first");
    announcement.announce("at start");
    EXPECT_EQ(spoken, std::vector<std::string> {});
    announcement.windowPresented();
    announcement.windowPresented();
    announcement.announce("drawn again");
    EXPECT_EQ(spoken, (std::vector<std::string> { "at start", "drawn again" }));
}

constexpr float kLargestBelowOne = 0x1.fffffep-1f;

TEST(PickIndex, CoversExactlyTheFilledSlots)
{
    EXPECT_EQ(pickIndex(2, 0.0f), 0);
    EXPECT_EQ(pickIndex(2, kLargestBelowOne), 0);
    EXPECT_EQ(pickIndex(1002, 0.0f), 0);
    EXPECT_EQ(pickIndex(1002, kLargestBelowOne), 1000);
    EXPECT_EQ(pickIndex(5, 0.25f), 1);
    EXPECT_EQ(pickIndex(5, 0.2499999f), 0);
}

TEST(PickIndex, GivesEverySayingTheSameShare)
{
    // Stepping the unit evenly through [0, 1) must land on each of the 7 sayings equally often.
    constexpr int kCount = 8;
    constexpr int kSteps = 7 * 1024;
    std::vector<int> hits(kCount - 1);
    for (int i = 0; i < kSteps; ++i)
        ++hits[static_cast<std::size_t>(pickIndex(kCount, static_cast<float>(i) / kSteps))];
    for (const int h : hits)
        EXPECT_EQ(h, 1024);
}

TEST(PickIndex, RealGeneratorReachesEverySaying)
{
    ClockRandom random;
    random.reseed();
    std::vector<int> hits(3);
    for (int i = 0; i < 30'000; ++i)
        ++hits[static_cast<std::size_t>(pickIndex(4, random.next()))];
    // 10000 expected in each, standard deviation about 82.
    for (const int h : hits)
        EXPECT_NEAR(h, 10'000, 1000);
}

} // namespace
} // namespace jestrel
