#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "services/SpecialDirs.h"

namespace lorivex {
namespace {

std::vector<std::string> AllProperties(const TSpecialDirs& d)
{
    return {d.GetWindowsDir(), d.GetSystemDir(), d.GetTempDir(), d.GetDeskTopDir(), d.GetProgramsDir(),
            d.GetPersonalDir(), d.GetFavoritesDir(), d.GetStartupDir(), d.GetRecentDir(), d.GetSendToDir(),
            d.GetStartMenuDir(), d.GetMyDocumentsDir(), d.GetMyMusicDir(), d.GetMyVideosDir(),
            d.GetFontsDir(), d.GetCommonStartMenuDir(), d.GetCommonProgramsDir(), d.GetCommonStartupDir(),
            d.GetCommonDesktopDir(), d.GetAppDataDir(), d.GetLocalAppDataDir(), d.GetHistoryDir(),
            d.GetCommonAppDataDir(), d.GetProgramFilesDir(), d.GetMyPicturesDir(),
            d.GetCommonDocumentsDir(), d.GetCommonPicturesDir(), d.GetCommonMusicDir(),
            d.GetCommonVideoDir(), d.GetCommonFavoritesDir()};
}

TEST(SpecialDirs, FoldersExistWithoutTrailingDelimiterAndTempEndsWithOne)
{
    TSpecialDirs dirs;
    EXPECT_EQ(dirs.GetMyDocumentsDir(), dirs.GetPersonalDir());
    ASSERT_FALSE(dirs.GetTempDir().empty());
    EXPECT_EQ(dirs.GetTempDir().back(), platform::PathDelim);
    auto all = AllProperties(dirs);
    for (size_t i = 0; i < all.size(); ++i) {
        if (i == 2 || all[i].empty())
            continue;
        EXPECT_NE(all[i].back(), platform::PathDelim) << all[i];
        EXPECT_TRUE(platform::DirectoryExists(all[i])) << all[i];
    }
}

TEST(SpecialDirs, AssigningChangesNothing)
{
    TSpecialDirs dirs;
    auto before = AllProperties(dirs);
    dirs.SetWindowsDir("/somewhere/else");
    EXPECT_EQ(AllProperties(dirs), before);
}

} // namespace
} // namespace lorivex
