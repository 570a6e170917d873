// Media-control command strings and the game's file names on this disk.
#include "platform/audio/media_command.hpp"

#include <gtest/gtest.h>

namespace {

using platform::MediaVerb;
using platform::map_game_path;
using platform::parse_media_command;

TEST(MediaCommand, TheWholeRestIsThePathSpacesAndAll)
{
    auto const play = parse_media_command("play /home/ann/My Games/Gr\u00e4wn 2 \\W1L1.mid");
    ASSERT_TRUE(play);
    EXPECT_EQ(play->verb, MediaVerb::play);
    EXPECT_EQ(play->path, "/home/ann/My Games/Gr\u00e4wn 2 \\W1L1.mid");

    // Only the first space separates: further spaces, even leading ones, belong to the path.
    auto const stop = parse_media_command("stop  two spaces\\INTRO.mid ");
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->verb, MediaVerb::stop);
    EXPECT_EQ(stop->path, " two spaces\\INTRO.mid ");

    auto const pause = parse_media_command("PAUSE C:\\x\\W4L5.mid");
    ASSERT_TRUE(pause);
    EXPECT_EQ(pause->verb, MediaVerb::pause);
}

TEST(MediaCommand, UnknownVerbsAndMissingPathsAreIgnored)
{
    EXPECT_FALSE(parse_media_command("open /x\\W1L1.mid"));
    EXPECT_FALSE(parse_media_command("play"));
    EXPECT_FALSE(parse_media_command("play "));
    EXPECT_FALSE(parse_media_command(""));
    EXPECT_FALSE(parse_media_command("playing /x\\W1L1.mid"));
}

TEST(GamePath, TheLastBackslashSeparatesTheFolderFromTheName)
{
    EXPECT_EQ(map_game_path("/opt/grawn 2\\gundead.wav"),
              std::filesystem::path("/opt/grawn 2/gundead.wav"));
    // A folder may itself hold a backslash on this system.
    EXPECT_EQ(map_game_path("/tmp/odd\\name/build\\INTRO.mid"),
              std::filesystem::path("/tmp/odd\\name/build/INTRO.mid"));
    EXPECT_EQ(map_game_path("/\\W1L1.mid"), std::filesystem::path("/W1L1.mid"));
    EXPECT_EQ(map_game_path("\\W1L1.mid"), std::filesystem::path("W1L1.mid"));
}

}
