#include "atlas/ZoneFile.h"

#include <chrono>
#include <date/tz.h>
#include <gtest/gtest.h>

namespace orbenza::atlas {
namespace {

std::int64_t secondsOf(date::sys_seconds t) {
    return t.time_since_epoch().count();
}

// Whether a stretch is date/tz's, whose open ends lie near the years -32767
// and 32767 where ours are the ends of the 64-bit range.
::testing::AssertionResult sameStretch(const ZoneFile::Stretch& ours,
                                       const date::sys_info& theirs) {
    const auto farPast = date::sys_days{date::year{-30000} / 1 / 1};
    const auto farFuture = date::sys_days{date::year{30000} / 1 / 1};
    const bool sameBegin = theirs.begin < farPast ? ours.beginUt == INT64_MIN
                                                  : ours.beginUt == secondsOf(theirs.begin);
    const bool sameEnd =
        theirs.end > farFuture ? ours.endUt == INT64_MAX : ours.endUt == secondsOf(theirs.end);
    if (sameBegin && sameEnd && ours.utOffsetSeconds == theirs.offset.count() &&
        ours.daylight == (theirs.save.count() != 0) && ours.abbreviation == theirs.abbrev)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "ours " << ours.beginUt << ".." << ours.endUt << " " << ours.utOffsetSeconds << " "
           << ours.abbreviation << (ours.daylight ? " daylight" : "") << ", date/tz "
           << secondsOf(theirs.begin) << ".." << secondsOf(theirs.end) << " "
           << theirs.offset.count() << " " << theirs.abbrev << " save " << theirs.save.count();
}

// Every zone of the system's database against Howard Hinnant's date/tz
// reading the same files, 1901-2050: each stretch, and the local clock
// times at and around each change (before it, on both edges of a gap or an
// overlap, inside it), which fall once, never or twice alike.
TEST(ZoneFile, EveryZoneAgreesWithDateTzFrom1901To2050) {
    const date::tzdb& db = date::get_tzdb();
    const auto from = date::sys_seconds{date::sys_days{date::year{1901} / 1 / 1}};
    const auto to = date::sys_seconds{date::sys_days{date::year{2051} / 1 / 1}};
    std::size_t zones = 0;
    std::size_t changes = 0;
    for (const date::time_zone& zone : db.zones) {
        const std::optional<ZoneFile> file =
            ZoneFile::read("/usr/share/zoneinfo/" + std::string(zone.name()));
        // date/tz lists the folder's other files too; it cannot read them either.
        if (!file)
            continue;
        ++zones;
        for (auto t = from; t < to;) {
            const date::sys_info theirs = zone.get_info(t);
            ASSERT_TRUE(sameStretch(file->at(secondsOf(t)), theirs))
                << zone.name() << " at " << secondsOf(t);
            if (theirs.end >= to)
                break;
            ++changes;
            const std::int64_t change = secondsOf(theirs.end);
            const std::int64_t before = theirs.offset.count();
            const std::int64_t after = zone.get_info(theirs.end).offset.count();
            for (const std::int64_t local :
                 {change + before - 1, change + before, change + after - 1, change + after,
                  change + (before + after) / 2, change + before - 86400}) {
                const date::local_info expected =
                    zone.get_info(date::local_seconds{std::chrono::seconds{local}});
                const ZoneFile::LocalStretches got = file->atLocal(local);
                const int expectedCount = expected.result == date::local_info::unique      ? 1
                                          : expected.result == date::local_info::ambiguous ? 2
                                                                                           : 0;
                ASSERT_EQ(got.count, expectedCount) << zone.name() << " local " << local;
                ASSERT_TRUE(sameStretch(got.first, expected.first)) << zone.name() << " " << local;
                if (expectedCount != 1) {
                    ASSERT_TRUE(sameStretch(got.second, expected.second))
                        << zone.name() << " " << local;
                }
            }
            t = theirs.end;
        }
        const date::sys_info last = zone.get_info(date::sys_days{date::year{3000} / 1 / 1});
        EXPECT_EQ(file->lastChangeUt().value_or(INT64_MIN),
                  last.begin < date::sys_days{date::year{-30000} / 1 / 1} ? INT64_MIN
                                                                          : secondsOf(last.begin))
            << zone.name();
    }
    EXPECT_GT(zones, 400u);
    EXPECT_GT(changes, 20000u);
}

// A zone file of version 1 (32-bit times, no closing rule) or 2 (the same
// block again with 64-bit times and a rule), written here byte by byte:
// standard time at +1:00 ("STD"), summer time at +2:00 ("SUM") between two
// changes, then an idle change back to the type it already has.
std::string zoneFileBytes(char version, const std::string& rule) {
    const std::int64_t changes[] = {1000000, 2000000, 3000000};
    const std::uint8_t types[] = {1, 0, 0};
    auto number = [](std::string& out, std::int64_t value, int size) {
        for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
            out += static_cast<char>((static_cast<std::uint64_t>(value) >> shift) & 0xff);
    };
    auto block = [&](int timeSize) {
        std::string out = "TZif";
        out += version;
        out += std::string(15, '\0');
        for (const std::int64_t count : {0, 0, 0, 3, 2, 8})
            number(out, count, 4);
        for (const std::int64_t change : changes)
            number(out, change, timeSize);
        out.append(reinterpret_cast<const char*>(types), sizeof types);
        number(out, 3600, 4);
        out += std::string("\0\0", 2);
        number(out, 7200, 4);
        out += std::string("\1\4", 2);
        out += std::string("STD\0SUM\0", 8);
        return out;
    };
    if (version == '\0')
        return block(4);
    return block(4) + block(8) + "\n" + rule + "\n";
}

TEST(ZoneFile, ReadsBothVersionsAndDropsIdleChanges) {
    for (const char version : {'\0', '2'}) {
        const std::optional<ZoneFile> zone =
            ZoneFile::parse(zoneFileBytes(version, "STD-1SUM,M3.5.0,M10.5.0/3"));
        ASSERT_TRUE(zone) << version;
        EXPECT_EQ(zone->at(0).abbreviation, "STD");
        EXPECT_EQ(zone->at(1000000).abbreviation, "SUM");
        EXPECT_TRUE(zone->at(1999999).daylight);
        EXPECT_EQ(zone->at(2000000).endUt, INT64_MAX);
        EXPECT_EQ(zone->lastChangeUt(), 2000000);
        EXPECT_EQ(zone->closingRule().has_value(), version == '2');
        // The clock jumps from 1000000 + 3600 to + 7200, and back from 2000000 + 7200 to + 3600.
        EXPECT_EQ(zone->atLocal(1003599).count, 1);
        EXPECT_EQ(zone->atLocal(1003600).count, 0);
        EXPECT_EQ(zone->atLocal(1003600).second.abbreviation, "SUM");
        EXPECT_EQ(zone->atLocal(1007200).count, 1);
        EXPECT_EQ(zone->atLocal(2003600).count, 2);
        EXPECT_EQ(zone->atLocal(2003600).first.abbreviation, "SUM");
        EXPECT_EQ(zone->atLocal(2007199).second.abbreviation, "STD");
        EXPECT_EQ(zone->atLocal(2007200).count, 1);
    }
    // An empty rule is none; a malformed one too, and the file still reads.
    EXPECT_FALSE(ZoneFile::parse(zoneFileBytes('2', ""))->closingRule());
    EXPECT_FALSE(ZoneFile::parse(zoneFileBytes('2', "STD-1SUM,M3"))->closingRule());
}

TEST(ZoneFile, RefusesDamagedFiles) {
    const std::string good = zoneFileBytes('2', "STD-1");
    // Cut anywhere before the footer.
    ASSERT_TRUE(ZoneFile::parse(good));
    for (std::size_t size = 0; size < good.size() - 7; ++size)
        EXPECT_FALSE(ZoneFile::parse(good.substr(0, size))) << size;
    auto damaged = [&](std::size_t at, char byte) {
        std::string bytes = good;
        bytes[at] = byte;
        return ZoneFile::parse(bytes);
    };
    const std::size_t second = good.size() - 7 - (44 + 3 * 9 + 12 + 8); // the 64-bit block
    EXPECT_FALSE(damaged(0, 'X')) << "no TZif";
    EXPECT_FALSE(damaged(second + 44 + 8 + 5, '\0')) << "changes out of order";
    EXPECT_FALSE(damaged(second + 44 + 24, '\2')) << "a change to a type that does not exist";
    EXPECT_FALSE(damaged(second + 44 + 27 + 5, '\x09')) << "an abbreviation past the names";
    EXPECT_FALSE(damaged(second + 44 + 27 + 4, '\2')) << "daylight neither 0 nor 1";
    EXPECT_FALSE(damaged(second + 31, '\1')) << "leap seconds";
}

} // namespace
} // namespace orbenza::atlas
