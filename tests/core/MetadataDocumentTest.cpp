#include <gtest/gtest.h>

#include "core/metadata/MetadataDocument.h"

namespace {

using F = MetadataField;

// A file as a pyTivo user keeps it: a comment, keys with odd spacing, a
// key twice, a line left over from a description on two lines, a blank
// line, keys the editor does not know, a value pyTivo would not take.
const char kHandMadeFile[] =
    "# written by hand\n"
    "title:Holiday\n"
    "description : Day one\n"
    "and day two\n"
    "\n"
    "vActor : Ann\n"
    "callsign : KQED\n"
    "vActor :  Bob \n"
    "title : Holiday 2012\n"
    "originalAirDate : 2012-05-04T00:00:00Z\n"
    "episodeNumber : 1x04\n";

const char kSmallFile[] =
    "title : A\n"
    "x-note\n"
    "vActor : Ann\n"
    "callsign : K\n"
    "vActor : Bob\n"
    "title : B\n";

}  // namespace

TEST(MetadataDocument, ShowsWhatPyTivoReadsAndKeepsEveryLineWhenNothingChanges)
{
    MetadataDocument document(kHandMadeFile);
    EXPECT_EQ("Holiday 2012", document.Shown(F::Title)) << "the last line of a key is the one pyTivo keeps";
    EXPECT_EQ("Ann\nBob", document.Shown(F::Actor));
    EXPECT_EQ("2012-05-04", document.Shown(F::OriginalAirDate));
    EXPECT_EQ("Day one", document.Shown(F::Description));
    EXPECT_EQ("", document.Shown(F::Director));
    EXPECT_EQ("# written by hand\nand day two\n\ncallsign : KQED\n", document.OtherLines());
    MetadataField where;
    EXPECT_EQ("", document.Check(&where)) << "a value from the file is taken as it is";
    EXPECT_EQ(kHandMadeFile, document.Compose());

    // Texts that differ in white space only change nothing.
    document.Edit(F::Actor, "Ann\r\n\r\n  Bob\r\n");
    document.Edit(F::Title, " Holiday 2012 ");
    document.Edit(F::OriginalAirDate, "2012-05-04");
    EXPECT_EQ(kHandMadeFile, document.Compose());
}

TEST(MetadataDocument, AChangedFieldTakesItsFirstLineANewOneGoesAtTheEndAndBadInputIsRefused)
{
    const std::string small = kSmallFile;
    const struct {
        MetadataField field;
        const char* text;
        std::string composed;  // empty: refused
    } cases[] = {
        {F::Title, "C", "title : C\nx-note\nvActor : Ann\ncallsign : K\nvActor : Bob\n"},
        {F::Title, "", "x-note\nvActor : Ann\ncallsign : K\nvActor : Bob\n"},
        {F::Actor, "Bob\nCy\r\n\r\n Dee ",
         "title : A\nx-note\nvActor : Bob\nvActor : Cy\nvActor : Dee\ncallsign : K\ntitle : B\n"},
        {F::Actor, "\r\n", "title : A\nx-note\ncallsign : K\ntitle : B\n"},
        {F::Director, "  ", small},
        {F::ProgramGenre, "Drama\nComedy", small + "vProgramGenre : Drama\nvProgramGenre : Comedy\n"},
        // A line break typed by the user would start a line pyTivo reads as
        // a key of its own.
        {F::Description, "two\r\nlines: here\rand\nthere",
         small + "description : two lines: here and there\n"},
        {F::EpisodeNumber, " 104 ", small + "episodeNumber : 104\n"},
        {F::EpisodeNumber, "1x04", ""},
        {F::EpisodeNumber, "-3", ""},
        {F::OriginalAirDate, "2012-02-29", small + "originalAirDate : 2012-02-29T00:00:00Z\n"},
        {F::OriginalAirDate, "2012-02-29T20:30:00Z", small + "originalAirDate : 2012-02-29T20:30:00Z\n"},
        {F::OriginalAirDate, "2013-02-29", ""},
        {F::OriginalAirDate, "2012-5-4", small + "originalAirDate : 2012-05-04T00:00:00Z\n"},
        {F::OriginalAirDate, "2012-13-01", ""},
        {F::OriginalAirDate, "04/05/2012", ""},
        {F::OriginalAirDate, "2012-05-04T24:00:00Z", ""},
    };
    for (const auto& c : cases) {
        MetadataDocument document(kSmallFile);
        document.Edit(c.field, c.text);
        MetadataField where = F::Title;
        const std::string problem = document.Check(&where);
        EXPECT_EQ(c.composed.empty(), !problem.empty()) << c.text;
        if (c.composed.empty()) {
            EXPECT_EQ(c.field, where) << c.text;
        } else {
            EXPECT_EQ(c.composed, document.Compose()) << c.text;
        }
    }
}

TEST(MetadataDocument, UnchangedLinesKeepTheirBytesAndNewOnesTakeTheFilesLineEndAndCodePage)
{
    const struct {
        const char* bytes;     // the file as found
        const char* actor;     // typed by the user
        const char* expected;  // the file as saved
    } cases[] = {
        // Bare line feeds stay, and the new line takes one.
        {"title : A\nnote : x\n", "Ann", "title : A\nnote : x\nvActor : Ann\n"},
        // Each line keeps its own end; new lines take the first line's.
        {"title : A\nnote : x\r\nlast", "Ann", "title : A\nnote : x\r\nlast\nvActor : Ann\n"},
        {"title : A\r\nnote : x\n", "Ann", "title : A\r\nnote : x\nvActor : Ann\r\n"},
        // A changed field's new line takes the file's line end where its
        // first line stood.
        {"vActor : Bob\nnote : x\r\n", "Ann", "vActor : Ann\nnote : x\r\n"},
        // Windows-1252 stays so; a new character it holds is written in it.
        {"title : Caf\xe9\r\n", "Ren\xc3\xa9", "title : Caf\xe9\r\nvActor : Ren\xe9\r\n"},
        // A character beyond the code page makes the whole file UTF-8.
        {"title : Caf\xe9\r\nnote : \xe9t\xe9\n", "\xe6\x9d\x8e",
         "title : Caf\xc3\xa9\r\nnote : \xc3\xa9t\xc3\xa9\nvActor : \xe6\x9d\x8e\r\n"},
        // A UTF-8 file takes UTF-8; its byte-order mark stays.
        {"\xef\xbb\xbftitle : \xe6\x9d\x8e\n", "Ren\xc3\xa9",
         "\xef\xbb\xbftitle : \xe6\x9d\x8e\nvActor : Ren\xc3\xa9\n"},
        // Lines of both kinds keep their bytes.
        {"\xef\xbb\xbftitle : \xe6\x9d\x8e\nnote : \xe9t\xe9", "Ann",
         "\xef\xbb\xbftitle : \xe6\x9d\x8e\nnote : \xe9t\xe9\nvActor : Ann\n"},
    };
    for (const auto& c : cases) {
        MetadataDocument document(c.bytes);
        EXPECT_EQ(c.bytes, document.Compose()) << "nothing changed: " << c.bytes;
        document.Edit(F::Actor, c.actor);
        EXPECT_EQ(c.expected, document.Compose()) << c.bytes;
    }
}
