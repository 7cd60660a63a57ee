// The tags inside movie files as the platform reads them with TagLib: the
// items and attributes as the files hold them, files that are no movie of
// that kind, cut short or no file at all, and a large movie read only as
// far as its tags.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "platform/MovieTags.h"
#include "platform/ReadOnlyFile.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const Mp4TagItem* ItemNamed(const MovieTags& tags, const std::string& name, const std::string& field = "")
{
    for (const Mp4TagItem& item : tags.items)
        if (item.name == name && item.field == field)
            return &item;
    return nullptr;
}

const AsfAttribute* AttributeNamed(const MovieTags& tags, const std::string& name)
{
    for (const AsfAttribute& attribute : tags.attributes)
        if (attribute.name == name)
            return &attribute;
    return nullptr;
}

std::string BigEndian(unsigned long long value, int bytes)
{
    std::string text;
    for (int i = bytes - 1; i >= 0; --i)
        text += static_cast<char>((value >> (8 * i)) & 0xFF);
    return text;
}

// The top-level box of that name in an MP4 file's bytes, found by its name.
std::string TopBox(const std::string& file, const std::string& name)
{
    const size_t at = file.find(name) - 4;
    const size_t size = static_cast<unsigned char>(file[at]) << 24 | static_cast<unsigned char>(file[at + 1]) << 16 |
                        static_cast<unsigned char>(file[at + 2]) << 8 | static_cast<unsigned char>(file[at + 3]);
    return file.substr(at, size);
}

// Writes the head, then the tail after a hole: a sparse file of that size.
void WriteSparse(const std::string& path, const std::string& head, unsigned long long holeEnd,
                 const std::string& tail)
{
    std::ofstream out(path, std::ios::binary);
    out.write(head.data(), static_cast<std::streamsize>(head.size()));
    out.seekp(static_cast<std::streamoff>(holeEnd));
    out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
}

// The tags of a tagged test movie, written into the folder.
MovieTags ReadFixture(const TempFolder& folder, const std::string& name, MovieContainer container)
{
    folder.WriteFile(name, TestFileBytes(name));
    return ReadMovieTags(folder / name, container);
}

}  // namespace

TEST(MovieTags, Mp4ItemsComeInTheFilesOrderWithTheirTypesAndFreeFormNames)
{
    TempFolder folder;
    const MovieTags tags = ReadFixture(folder, "Episode.m4v", MovieContainer::Mp4);
    ASSERT_EQ(MovieTags::Outcome::Read, tags.outcome);
    EXPECT_TRUE(tags.hasItemList);
    EXPECT_TRUE(tags.hasSoundTrack);
    ASSERT_GE(tags.items.size(), 13u);
    EXPECT_EQ("stik", tags.items[0].name);
    ASSERT_EQ(1u, tags.items[0].values.size());
    EXPECT_EQ(21, tags.items[0].values[0].type);
    EXPECT_EQ(std::string(1, '\x0A'), tags.items[0].values[0].bytes);
    const Mp4TagItem* title = ItemNamed(tags, "\xA9nam");
    ASSERT_NE(nullptr, title);
    ASSERT_EQ(1u, title->values.size());
    EXPECT_EQ(1, title->values[0].type);
    EXPECT_EQ("The Pilot", title->values[0].bytes);
    const Mp4TagItem* season = ItemNamed(tags, "tvsn");
    ASSERT_NE(nullptr, season);
    EXPECT_EQ(std::string("\0\0\0\x02", 4), season->values.at(0).bytes);
    const Mp4TagItem* rating = ItemNamed(tags, "----", "iTunEXTC");
    ASSERT_NE(nullptr, rating);
    EXPECT_EQ("com.apple.iTunes", rating->mean);
    EXPECT_EQ("us-tv|TV-14|500|", rating->values.at(0).bytes);
    EXPECT_EQ(TestFileBytes("Episode.m4v").substr(0, 128), tags.head);
}

TEST(MovieTags, ATypeNumberThatTagLibDoesNotNameComesAsTheFileHoldsIt)
{
    // The first item's data box (stik, type 21) says 5235: no type TagLib
    // names, which it keeps in its enum all the same.
    std::string episode = TestFileBytes("Episode.m4v");
    const size_t data = episode.find("data", episode.find("ilst"));
    ASSERT_NE(std::string::npos, data);
    episode.replace(data + 4, 4, std::string("\0\0\x14\x73", 4));
    TempFolder folder;
    folder.WriteFile("Odd.m4v", episode);
    const MovieTags tags = ReadMovieTags(folder / "Odd.m4v", MovieContainer::Mp4);
    ASSERT_EQ(MovieTags::Outcome::Read, tags.outcome);
    ASSERT_EQ("stik", tags.items.at(0).name);
    EXPECT_EQ(5235, tags.items[0].values.at(0).type);
}

TEST(MovieTags, AGenreCodeAndAPropertyListComeAsTheFileHoldsThem)
{
    TempFolder folder;
    const MovieTags tags = ReadFixture(folder, "Movie.mp4", MovieContainer::Mp4);
    ASSERT_EQ(MovieTags::Outcome::Read, tags.outcome);
    const Mp4TagItem* genre = ItemNamed(tags, "gnre");
    ASSERT_NE(nullptr, genre);
    EXPECT_EQ(std::string("\0\x3A", 2), genre->values.at(0).bytes);  // Comedy, the 58th of the ID3 list
    const Mp4TagItem* cast = ItemNamed(tags, "----", "iTunMOVI");
    ASSERT_NE(nullptr, cast);
    EXPECT_NE(std::string::npos, cast->values.at(0).bytes.find("<string>Ann Actor</string>"));
}

TEST(MovieTags, AsfAttributesAndTheContentDescription)
{
    TempFolder folder;
    const MovieTags tags = ReadFixture(folder, "Recorded.wmv", MovieContainer::Asf);
    ASSERT_EQ(MovieTags::Outcome::Read, tags.outcome);
    EXPECT_EQ("Recorded Show", tags.asfTitle);
    EXPECT_EQ("The short description.", tags.asfDescription);
    const AsfAttribute* subtitle = AttributeNamed(tags, "WM/SubTitle");
    ASSERT_NE(nullptr, subtitle);
    EXPECT_EQ(AsfAttribute::Kind::Text, subtitle->kind);
    EXPECT_EQ("The Episode", subtitle->text);
    const AsfAttribute* channel = AttributeNamed(tags, "WM/MediaOriginalChannel");
    ASSERT_NE(nullptr, channel);
    EXPECT_EQ(AsfAttribute::Kind::DWord, channel->kind);
    EXPECT_EQ(7u, channel->number);
}

TEST(MovieTags, AMovieWithoutSoundIsToldApart)
{
    TempFolder folder;
    const MovieTags tags = ReadFixture(folder, "Silent.mp4", MovieContainer::Mp4);
    ASSERT_EQ(MovieTags::Outcome::Read, tags.outcome);
    EXPECT_FALSE(tags.hasSoundTrack);
    ASSERT_NE(nullptr, ItemNamed(tags, "\xA9nam"));
}

TEST(MovieTags, WhatIsNoMovieOfThatKindIsToldWithoutACrash)
{
    TempFolder folder;
    const std::string episode = TestFileBytes("Episode.m4v");
    folder.WriteFile("Text.m4v", "title : not a movie\r\n");
    folder.WriteFile("Windows.m4v", TestFileBytes("Recorded.wmv"));
    folder.WriteFile("Apple.wmv", episode);
    folder.WriteFile("Empty.m4v");
    folder.WriteFile("Copying.m4v", episode.substr(0, episode.find("moov") + 200));
    folder.WriteFile("Copying.wmv", TestFileBytes("Recorded.wmv").substr(0, 300));
    folder.MakeFolder("Folder.m4v");
    const struct {
        const char* name;
        MovieContainer container;
        MovieTags::Outcome outcome;
    } cases[] = {
        {"Text.m4v", MovieContainer::Mp4, MovieTags::Outcome::OtherFormat},
        {"Windows.m4v", MovieContainer::Mp4, MovieTags::Outcome::OtherFormat},
        {"Apple.wmv", MovieContainer::Asf, MovieTags::Outcome::OtherFormat},
        {"Empty.m4v", MovieContainer::Mp4, MovieTags::Outcome::Damaged},
        {"Copying.m4v", MovieContainer::Mp4, MovieTags::Outcome::Damaged},
        {"Copying.wmv", MovieContainer::Asf, MovieTags::Outcome::Damaged},
        {"Folder.m4v", MovieContainer::Mp4, MovieTags::Outcome::NotAFile},
        {"Missing.m4v", MovieContainer::Mp4, MovieTags::Outcome::CannotOpen},
    };
    for (const auto& c : cases) {
        const MovieTags tags = ReadMovieTags(folder / c.name, c.container);
        EXPECT_EQ(c.outcome, tags.outcome) << c.name;
        EXPECT_TRUE(tags.items.empty() && tags.attributes.empty()) << c.name;
    }
    EXPECT_TRUE(IsNotFound(ReadMovieTags(folder / "Missing.m4v", MovieContainer::Mp4).error));
}

#ifndef _WIN32
TEST(MovieTags, AFifoIsNotWaitedFor)
{
    TempFolder folder;
    ASSERT_EQ(0, mkfifo((folder / "Pipe.m4v").c_str(), 0600));
    EXPECT_EQ(MovieTags::Outcome::NotAFile, ReadMovieTags(folder / "Pipe.m4v", MovieContainer::Mp4).outcome);
}
#endif

TEST(MovieTags, AnOpenMovieCanBeDeletedAndWrittenByOthers)
{
    TempFolder folder;
    folder.WriteFile("Movie.mp4", TestFileBytes("Movie.mp4"));
    {
        ReadOnlyFile file;
        SystemError error = 0;
        bool notAFile = false;
        ASSERT_TRUE(file.Open(folder / "Movie.mp4", &error, &notAFile));
        folder.WriteFile("Movie.mp4", "rewritten");
        char head[8] = {};
        EXPECT_EQ(8, file.ReadAt(0, head, sizeof(head), &error));
        EXPECT_EQ(0u, DeleteFileItself(folder / "Movie.mp4", false));
    }
    // On Windows the name goes when the last handle closes.
    EXPECT_FALSE(PathExists(folder / "Movie.mp4"));
}

TEST(MovieTags, AFourGigabyteMovieWithItsTagsAtTheEndIsReadOnlyAsFarAsItsTags)
{
    TempFolder folder;
    const std::string episode = TestFileBytes("Episode.m4v");
    const std::string head = TopBox(episode, "ftyp") + BigEndian(1, 4) + "mdat" + BigEndian(16 + (4ull << 30), 8);
    const unsigned long long moovAt = head.size() + (4ull << 30);
    WriteSparse(folder / "Big.mp4", head, moovAt, TopBox(episode, "moov"));
    const MovieTags tags = ReadMovieTags(folder / "Big.mp4", MovieContainer::Mp4);
    ASSERT_EQ(MovieTags::Outcome::Read, tags.outcome);
    EXPECT_GT(tags.size, 4ull << 30);
    EXPECT_NE(nullptr, ItemNamed(tags, "tvsh"));
    EXPECT_LT(tags.bytesRead, 64u * 1024);  // a few windows of 16 KiB around the boxes read
}

TEST(MovieTags, ATagBoxClaimingMoreThanTheLimitIsNotRead)
{
    TempFolder folder;
    const std::string ftyp = TopBox(TestFileBytes("Episode.m4v"), "ftyp");
    for (const unsigned long long claimed : {kMostTagBoxBytes + 8, kMostTagBoxBytes + 9}) {
        const std::string item = BigEndian(claimed, 4) + "\xA9nam";
        const unsigned long long ilst = 8 + claimed, meta = 12 + ilst, udta = 8 + meta, moov = 8 + udta;
        const std::string boxes = BigEndian(moov, 4) + "moov" + BigEndian(udta, 4) + "udta" + BigEndian(meta, 4) +
                                  "meta" + std::string(4, '\0') + BigEndian(ilst, 4) + "ilst" + item;
        WriteSparse(folder / "Claims.mp4", ftyp + boxes, ftyp.size() + moov - 1, std::string(1, '\0'));
        const MovieTags tags = ReadMovieTags(folder / "Claims.mp4", MovieContainer::Mp4);
        if (claimed - 8 <= kMostTagBoxBytes) {
            EXPECT_EQ(MovieTags::Outcome::Read, tags.outcome);
        } else {
            EXPECT_EQ(MovieTags::Outcome::TooLarge, tags.outcome);
        }
    }
}
