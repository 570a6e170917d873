// The artwork: sizes, non-blank transparent sprites, true mirror images, crisp 2x rasters and
// the art sheet.
#include "art/art_sheet.hpp"
#include "art/catalogue.hpp"
#include "art/claw.hpp"
#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/robber.hpp"
#include "platform/clock.hpp"
#include "platform/control.hpp"
#include "platform/form.hpp"
#include "platform/headless/headless_backend.hpp"
#include "platform/runtime.hpp"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <unistd.h>

namespace {

struct Size {
    int width;
    int height;
};

int alpha(std::uint32_t pixel)
{
    return static_cast<int>(pixel >> 24);
}

std::uint32_t at(platform::Raster const& raster, int x, int y)
{
    return raster.pixels[static_cast<std::size_t>(y) * raster.width + x];
}

double opaque_share(platform::Raster const& raster)
{
    std::size_t opaque = 0;
    for (std::uint32_t pixel : raster.pixels)
        opaque += alpha(pixel) > 128 ? 1 : 0;
    return static_cast<double>(opaque) / raster.pixels.size();
}

std::map<std::string, platform::Drawing> pictures_by_name()
{
    std::map<std::string, platform::Drawing> pictures;
    for (art::CatalogueEntry& entry : art::catalogue())
        pictures.emplace(entry.name, std::move(entry.drawing));
    return pictures;
}

// How far a raster is from the mirror image of another: the largest difference of any channel
// of any pixel, and the mean difference over all channels.
struct Difference {
    int worst = 0;
    double mean = 0;
};

Difference mirror_difference(platform::Raster const& one, platform::Raster const& other)
{
    Difference difference;
    double total = 0;
    for (int y = 0; y < one.height; ++y)
        for (int x = 0; x < one.width; ++x) {
            std::uint32_t const a = at(one, x, y);
            std::uint32_t const b = at(other, one.width - 1 - x, y);
            for (int shift = 0; shift < 32; shift += 8) {
                int const channel = std::abs(static_cast<int>((a >> shift) & 0xff) - static_cast<int>((b >> shift) & 0xff));
                difference.worst = std::max(difference.worst, channel);
                total += channel;
            }
        }
    difference.mean = total / (4.0 * one.width * one.height);
    return difference;
}

TEST(Art, EveryPictureHasTheSizeItsScreensUse)
{
    std::map<std::string, Size> const expected{
        {"pig-left", {35, 35}}, {"pig-right", {35, 35}}, {"cow-left", {35, 35}}, {"cow-right", {35, 35}},
        {"sheep-left", {35, 35}}, {"sheep-right", {35, 35}}, {"grawn-left", {35, 34}}, {"grawn-right", {35, 34}},
        {"s-grawn-stirring-left", {35, 34}}, {"s-grawn-stirring-right", {35, 34}}, {"s-grawn-swelling-left", {35, 34}},
        {"s-grawn-swelling-right", {35, 34}}, {"s-grawn-mutated-left", {35, 34}}, {"s-grawn-mutated-right", {35, 34}},
        {"robber-left", {35, 35}}, {"robber-right", {35, 35}}, {"claw-closed", {50, 50}}, {"claw-open", {50, 50}},
        {"flame", {35, 35}}, {"blood-splat", {35, 35}}, {"bullet-hole", {20, 20}}, {"small-blast", {20, 20}},
        {"explosion-38", {38, 38}}, {"explosion-150", {150, 150}}, {"tree", {90, 160}}, {"barn", {300, 225}},
        {"cloud", {32, 32}}, {"title", {300, 90}}, {"presenter-bell", {32, 32}}, {"presenter-reel", {32, 32}},
    };
    auto const pictures = pictures_by_name();
    for (auto const& [name, size] : expected) {
        auto const found = pictures.find(name);
        ASSERT_NE(found, pictures.end()) << name << " is missing from the catalogue";
        platform::Raster const raster = platform::rasterize(found->second, 1);
        EXPECT_EQ(found->second.width, size.width) << name;
        EXPECT_EQ(found->second.height, size.height) << name;
        EXPECT_EQ(raster.width, size.width) << name;
        EXPECT_EQ(raster.height, size.height) << name;
    }
}

TEST(Art, NamesAreUniqueAndWellFormed)
{
    std::set<std::string> names;
    for (art::CatalogueEntry const& entry : art::catalogue()) {
        EXPECT_TRUE(names.insert(entry.name).second) << "duplicate " << entry.name;
        EXPECT_FALSE(entry.name.empty());
        EXPECT_EQ(entry.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string::npos) << entry.name;
    }
}

// Every picture shows a fair amount of its subject, and none is a filled rectangle: the corners
// are see-through so sprites sit on the screen's own background.
TEST(Art, PicturesAreNeitherBlankNorOpaqueBoxes)
{
    for (art::CatalogueEntry const& entry : art::catalogue()) {
        platform::Raster const raster = platform::rasterize(entry.drawing, 1);
        ASSERT_FALSE(raster.pixels.empty()) << entry.name;
        double const share = opaque_share(raster);
        EXPECT_GE(share, 0.15) << entry.name;
        // The title's sign board fills its frame on purpose, but for its rounded corners; a
        // window of the robbers' block is a piece of wall, edge to edge.
        if (entry.name == "office-window")
            continue;
        if (entry.name != "title-sign") {
            EXPECT_LE(share, 0.95) << entry.name;
        }
        int const right = raster.width - 1;
        int const bottom = raster.height - 1;
        int const corners = alpha(at(raster, 0, 0)) + alpha(at(raster, right, 0)) + alpha(at(raster, 0, bottom)) + alpha(at(raster, right, bottom));
        // Transparent at three corners at least (some subjects stand on a corner).
        EXPECT_LE(corners, 255) << entry.name;
    }
}

TEST(Art, LeftAndRightVariantsAreMirrorImagesNotCopies)
{
    auto const pictures = pictures_by_name();
    int pairs = 0;
    for (auto const& [name, drawing] : pictures) {
        std::string const suffix = "-left";
        if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        std::string const other_name = name.substr(0, name.size() - suffix.size()) + "-right";
        auto const other = pictures.find(other_name);
        ASSERT_NE(other, pictures.end()) << name << " has no " << other_name;
        ++pairs;
        for (int scale : {1, 2}) {
            platform::Raster const left = platform::rasterize(drawing, scale);
            platform::Raster const right = platform::rasterize(other->second, scale);
            ASSERT_EQ(left.width, right.width);
            ASSERT_EQ(left.height, right.height);
            // The rasteriser's sampling is not symmetric, so anti-aliased edge pixels may differ a
            // little once mirrored; any real difference in the drawing is far larger.
            Difference const difference = mirror_difference(left, right);
            EXPECT_LE(difference.worst, 32) << name << " at scale " << scale;
            EXPECT_LT(difference.mean, 0.5) << name << " at scale " << scale;
            EXPECT_NE(left.pixels, right.pixels) << name << " is symmetric: its facing cannot be seen";
        }
    }
    EXPECT_GE(pairs, 7);
}

// Facing matters most where the player must tell at a glance which way a beast will run: the
// head side of a sprite carries more of its weight than the tail side.
TEST(Art, CharactersLeadWithTheirHeads)
{
    for (platform::Drawing const& drawing : {art::pig(art::Facing::right), art::grawn(art::Facing::right), art::cow(art::Facing::right)}) {
        platform::Raster const raster = platform::rasterize(drawing, 1);
        double left_half = 0;
        double right_half = 0;
        for (int y = 0; y < raster.height / 2; ++y)
            for (int x = 0; x < raster.width; ++x)
                (x < raster.width / 2 ? left_half : right_half) += alpha(at(raster, x, y));
        EXPECT_GT(right_half, left_half);
    }
}

TEST(Art, LargerScalesAreRedrawnNotBlownUp)
{
    for (platform::Drawing const& drawing : {art::pig(art::Facing::left), art::claw(art::ClawState::closed), art::explosion(150)}) {
        platform::Raster const once = platform::rasterize(drawing, 1);
        platform::Raster const twice = platform::rasterize(drawing, 2);
        EXPECT_EQ(twice.width, 2 * once.width);
        EXPECT_EQ(twice.height, 2 * once.height);
        EXPECT_NEAR(opaque_share(twice), opaque_share(once), 0.05);
        // A blown-up bitmap repeats every pixel in 2 × 2 blocks; a redrawn picture has edges
        // that fall inside those blocks.
        int split_blocks = 0;
        for (int y = 0; y + 1 < twice.height; y += 2)
            for (int x = 0; x + 1 < twice.width; x += 2)
                split_blocks += at(twice, x, y) != at(twice, x + 1, y + 1) ? 1 : 0;
        EXPECT_GT(split_blocks, 20);
    }
}

TEST(Art, ExplosionsFitAnySize)
{
    for (int size : {20, 38, 64, 150}) {
        platform::Drawing const drawing = art::explosion(size);
        EXPECT_EQ(drawing.width, size);
        EXPECT_EQ(drawing.height, size);
        platform::Raster const raster = platform::rasterize(drawing, 1);
        EXPECT_GE(opaque_share(raster), 0.3) << size;
        // Nothing is cut off at the edges of the picture.
        for (int i = 0; i < size; ++i) {
            EXPECT_EQ(alpha(at(raster, i, 0)), 0) << size;
            EXPECT_EQ(alpha(at(raster, 0, i)), 0) << size;
            EXPECT_EQ(alpha(at(raster, i, size - 1)), 0) << size;
            EXPECT_EQ(alpha(at(raster, size - 1, i)), 0) << size;
        }
    }
}

// The held animal sits inside the claw; its middle must stay see-through so the animal shows.
TEST(Art, ClawLeavesTheHeldAnimalVisible)
{
    for (art::ClawState state : {art::ClawState::closed, art::ClawState::open}) {
        platform::Raster const raster = platform::rasterize(art::claw(state), 1);
        int covered = 0;
        int const left = art::claw_animal_left + 8;
        int const top = art::claw_animal_top + 8;
        for (int y = top; y < top + 19; ++y)
            for (int x = left; x < left + 19; ++x)
                covered += alpha(at(raster, x, y)) > 0 ? 1 : 0;
        EXPECT_EQ(covered, 0);
    }
    // Closed, the fingers reach under the animal's feet; open, nothing is below them.
    auto below_feet = [](platform::Raster const& raster) {
        int opaque = 0;
        for (int y = art::claw_animal_top + 35; y < raster.height; ++y)
            for (int x = 0; x < raster.width; ++x)
                opaque += alpha(at(raster, x, y)) > 128 ? 1 : 0;
        return opaque;
    };
    EXPECT_GT(below_feet(platform::rasterize(art::claw(art::ClawState::closed), 1)), 30);
    EXPECT_EQ(below_feet(platform::rasterize(art::claw(art::ClawState::open), 1)), 0);
}

TEST(Art, MutationFramesDifferFromEachOtherAndFromTheGrawn)
{
    std::vector<platform::Raster> frames{platform::rasterize(art::grawn(art::Facing::right), 1)};
    for (art::Mutation mutation : {art::Mutation::stirring, art::Mutation::swelling, art::Mutation::mutated})
        frames.push_back(platform::rasterize(art::s_grawn(mutation, art::Facing::right), 1));
    for (std::size_t i = 0; i + 1 < frames.size(); ++i)
        EXPECT_NE(frames[i].pixels, frames[i + 1].pixels) << "frame " << i;
}

// A sprite that swaps to a picture of another size takes that size: a Grawn of 35 × 34 that
// burns becomes a 35 × 35 flame, and the identity of the picture is what the game tests.
TEST(Art, PictureSwapCarriesTheNewPicturesSize)
{
    platform::VirtualClock clock;
    platform::HeadlessBackend backend(clock, platform::Script{});
    platform::Runtime runtime(clock, backend);
    platform::Form form(runtime, "field", {"Grawn 2", 477, 458});
    platform::Sprite beast(form, "imggrawn1", {336, 360, 35, 34});

    platform::PicturePtr const facing_left = platform::make_picture("grawn-left", art::grawn(art::Facing::left));
    platform::PicturePtr const dead = platform::make_picture("flame", art::flame());
    beast.set_picture(facing_left);
    EXPECT_EQ(beast.height(), 34);
    beast.set_picture(dead);
    EXPECT_TRUE(beast.shows(dead));
    EXPECT_EQ(beast.left(), 336);
    EXPECT_EQ(beast.width(), 35);
    EXPECT_EQ(beast.height(), 35);
    EXPECT_EQ(beast.picture()->raster(3).height, 105);
}

TEST(ArtSheet, WritesAReadablePng)
{
    std::filesystem::path const folder = std::filesystem::temp_directory_path() / ("grawn2-art-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::string const path = (folder / "sheet.png").string();
    ASSERT_TRUE(art::write_art_sheet(path));

    cairo_surface_t* sheet = cairo_image_surface_create_from_png(path.c_str());
    EXPECT_EQ(cairo_surface_status(sheet), CAIRO_STATUS_SUCCESS);
    // Room for every picture twice over, at scale 1 and 2.
    long area = 0;
    for (art::CatalogueEntry const& entry : art::catalogue())
        area += 5L * entry.drawing.width * entry.drawing.height;
    EXPECT_GE(static_cast<long>(cairo_image_surface_get_width(sheet)) * cairo_image_surface_get_height(sheet), area);
    cairo_surface_destroy(sheet);
    std::filesystem::remove_all(folder);
}

TEST(ArtSheet, UnwritablePathFailsCleanly)
{
    EXPECT_FALSE(art::write_art_sheet("/nonexistent-folder/for/sure/sheet.png"));
}

}
