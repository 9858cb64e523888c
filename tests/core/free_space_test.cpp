#include "core/free_space.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

constexpr uint64_t kMiB = 1048576;
constexpr uint64_t kGiB = 1073741824;

TEST(ScaleFreeSpace, RoundsToTheNearestUnitHalvesUp) {
    EXPECT_EQ(ScaleFreeSpace(53687091200ull, suGiB), 50);
    EXPECT_EQ(ScaleFreeSpace(1610612736ull, suGiB), 2);  // exactly 1.5 GiB
    EXPECT_EQ(ScaleFreeSpace(5 * kGiB / 2, suGiB), 3);   // 2.5 rounds away from zero, not to even
    EXPECT_EQ(ScaleFreeSpace(3 * kGiB / 2 - 1, suGiB), 1);
    EXPECT_EQ(ScaleFreeSpace(1536, suKiB), 2);
    EXPECT_EQ(ScaleFreeSpace(1535, suKiB), 1);
    EXPECT_EQ(ScaleFreeSpace(0, suMiB), 0);
}

TEST(ScaleFreeSpace, UnitZeroAndUnknownUnitsReturnBytes) {
    EXPECT_EQ(ScaleFreeSpace(123456789ull, suBytes), 123456789);
    EXPECT_EQ(ScaleFreeSpace(123456789ull, 7), 123456789);
}

TEST(ScaleFreeSpace, LargeValuesAreNotCutToThirtyTwoBits) {
    // 4 TiB in KiB exceeds 2^31 - 1; the value is kept whole.
    EXPECT_EQ(ScaleFreeSpace(4ull * 1024 * kGiB, suKiB), 4294967296ll);
}

TEST(FreeSpaceText, WholeGigabytes) {
    EXPECT_EQ(FreeSpaceText(53687091200ull), "50 GB");
    EXPECT_EQ(FreeSpaceText(1610612736ull), "2 GB");
    EXPECT_EQ(FreeSpaceText(400 * kMiB), "0 GB");
    EXPECT_EQ(FreeSpaceText(0), "0 GB");
}

TEST(IndexOfMax, FirstOccurrenceOfTheLargest) {
    EXPECT_EQ(IndexOfMax({}), -1);
    EXPECT_EQ(IndexOfMax({5}), 0);
    EXPECT_EQ(IndexOfMax({1, 9, 3, 9}), 1);
    EXPECT_EQ(IndexOfMax({0, 0, 0}), 0);
    EXPECT_EQ(IndexOfMax({-5, -2, -7}), 1);  // signed comparison
}

std::vector<TDriveFacts> Drives(std::initializer_list<TDriveFacts> d) { return d; }

TEST(ChooseLargestDrive, SystemDriveExcluded) {
    auto drives = Drives({{"C:\\", dkFixed, 40 * kGiB}, {"D:\\", dkFixed, 10 * kGiB}});
    EXPECT_EQ(ChooseLargestDrive(drives, true, "C:\\"), "D:\\");
    EXPECT_EQ(ChooseLargestDrive(drives, false, "C:\\"), "C:\\");
}

TEST(ChooseLargestDrive, OnlyTheSystemDriveStillWins) {
    EXPECT_EQ(ChooseLargestDrive(Drives({{"C:\\", dkFixed, 40 * kGiB}}), true, "C:\\"), "C:\\");
}

TEST(ChooseLargestDrive, TiesGoToTheEarlierDrive) {
    auto drives = Drives({{"C:\\", dkFixed, 40 * kGiB}, {"D:\\", dkFixed, 10 * kGiB}, {"E:\\", dkFixed, 10 * kGiB}});
    EXPECT_EQ(ChooseLargestDrive(drives, true, "C:\\"), "D:\\");
}

TEST(ChooseLargestDrive, RemovableAndCdRomNeverCount) {
    auto drives = Drives({{"A:\\", dkRemovable, 900 * kGiB},
                          {"C:\\", dkFixed, 40 * kGiB},
                          {"D:\\", dkCdRom, 700 * kGiB},
                          {"E:\\", dkFixed, 1 * kGiB}});
    EXPECT_EQ(ChooseLargestDrive(drives, true, "C:\\"), "E:\\");
    EXPECT_EQ(ChooseLargestDrive(Drives({{"A:\\", dkRemovable, 9}, {"D:\\", dkCdRom, 9}}), false, "C:\\"), "");
    EXPECT_EQ(ChooseLargestDrive({}, true, "C:\\"), "");
}

TEST(ChooseLargestDrive, NetworkAndRamDrivesAreCandidates) {
    auto drives = Drives({{"C:\\", dkFixed, 1 * kGiB}, {"N:\\", dkRemote, 5 * kGiB}, {"R:\\", dkRamDisk, 7 * kGiB}});
    EXPECT_EQ(ChooseLargestDrive(drives, false, "C:\\"), "R:\\");
}

TEST(ChooseLargestDrive, SystemDriveMatchedByExactText) {
    // "c:\" is not "C:\": the system drive is not recognised and keeps its space.
    auto drives = Drives({{"C:\\", dkFixed, 40 * kGiB}, {"D:\\", dkFixed, 10 * kGiB}});
    EXPECT_EQ(ChooseLargestDrive(drives, true, "c:\\"), "C:\\");
}

}  // namespace
}  // namespace vd
