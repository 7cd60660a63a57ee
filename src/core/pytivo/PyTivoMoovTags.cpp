#include <algorithm>
#include <cctype>
#include <map>

#include "core/pytivo/PyTivoRatings.h"
#include "core/pytivo/PyTivoTagValues.h"
#include "core/pytivo/PythonDict.h"
#include "platform/Text.h"

// pyTivo's from_moov, over the items as its mutagen 1.20 reads them.
namespace {

// The ID3v1 genre names of pyTivo's mutagen, which names a "gnre" code by
// them (code 1 is "Blues"; Python's negative indices reach back from the end).
const char* const kGenres[] = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz", "Metal", "New Age",
    "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno", "Industrial", "Alternative", "Ska",
    "Death Metal", "Pranks", "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion",
    "Trance", "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise", "Alt. Rock",
    "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop", "Instrumental Rock", "Ethnic", "Gothic",
    "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy",
    "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle", "Native American", "Cabaret", "New Wave",
    "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal", "Acid Punk", "Acid Jazz", "Polka", "Retro",
    "Musical", "Rock & Roll", "Hard Rock", "Folk", "Folk/Rock", "National Folk", "Swing", "Fusion", "Bebob", "Latin",
    "Revival", "Celtic", "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychadelic Rock",
    "Symphonic Rock", "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson",
    "Opera", "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam",
    "Club", "Tango", "Samba", "Folklore", "Ballad", "Power Ballad", "Rhythmic Soul", "Freestyle", "Duet",
    "Punk Rock", "Drum Solo", "A Capella", "Euro-House", "Dance Hall", "Goa", "Drum & Bass", "Club-House",
    "Hardcore", "Terror", "Indie", "BritPop", "Negerpunk", "Polsk Punk", "Beat", "Christian Gangsta Rap",
    "Heavy Metal", "Black Metal", "Crossover", "Contemporary Christian", "Christian Rock", "Merengue", "Salsa",
    "Thrash Metal", "Anime", "Jpop", "Synthpop",
};
constexpr long kGenreCount = sizeof(kGenres) / sizeof(kGenres[0]);

// len() and [:n] of a Python unicode string, counted in characters.
size_t CharacterCount(const std::string& utf8)
{
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}
std::string FirstCharacters(const std::string& utf8, size_t count)
{
    size_t at = 0;
    for (size_t seen = 0; at < utf8.size(); ++at) {
        if ((static_cast<unsigned char>(utf8[at]) & 0xC0) != 0x80 && seen++ == count)
            break;
    }
    return utf8.substr(0, at);
}

unsigned long long BigEndianNumber(const std::string& bytes)
{
    unsigned long long number = 0;
    for (const char c : bytes)
        number = number << 8 | static_cast<unsigned char>(c);
    return number;
}

// Why pyTivo gives nothing, or stops, for a movie's tags.
struct Refusal {
    std::string why;
};

// One key of mutagen's dictionary of an MP4 file's items.
struct MutagenEntry {
    enum class Kind { Texts, Numbers, Raw, Other };
    Kind kind = Kind::Texts;
    std::vector<std::string> texts;  // decoded texts, or the raw bytes of free-form items
    std::vector<unsigned long long> numbers;
    bool list = true;  // a flag item is a bool, not a list
    size_t count() const { return kind == Kind::Numbers ? numbers.size() : texts.size(); }
};

class MutagenItems {
public:
    // Reads the items as pyTivo's mutagen 1.20 does; a refusal when it
    // would raise while reading them (then the file gives no tags).
    std::optional<Refusal> Read(const std::vector<Mp4TagItem>& items)
    {
        for (const Mp4TagItem& item : items) {
            if (std::optional<Refusal> refusal = Take(item))
                return refusal;
        }
        return std::nullopt;
    }
    std::vector<std::string> Order() const { return PythonDictOrder(inserted_); }
    const MutagenEntry* Find(const std::string& key) const
    {
        const auto found = entries_.find(key);
        return found == entries_.end() ? nullptr : &found->second;
    }

private:
    void Set(const std::string& key, MutagenEntry entry)
    {
        if (entries_.find(key) == entries_.end())
            inserted_.push_back(key);
        entries_[key] = std::move(entry);
    }
    // Numbers of one size each; mutagen's struct.unpack raises on another.
    std::optional<Refusal> Numbers(const Mp4TagItem& item, size_t size, size_t least = 0)
    {
        MutagenEntry entry;
        entry.kind = MutagenEntry::Kind::Numbers;
        for (const Mp4TagValue& value : item.values) {
            if (least ? value.bytes.size() < least : value.bytes.size() != size)
                return Refusal{"pyTivo's mutagen cannot read the \"" + DecodedUtf8(item.name) +
                               "\" tag (a value of " + std::to_string(value.bytes.size()) + " bytes)"};
            entry.numbers.push_back(BigEndianNumber(value.bytes.substr(least ? 2 : 0, size)));
        }
        Set(item.name, entry);
        return std::nullopt;
    }
    std::optional<Refusal> Take(const Mp4TagItem& item)
    {
        const std::string& name = item.name;
        if (name == "----") {
            MutagenEntry entry;
            entry.kind = MutagenEntry::Kind::Raw;
            for (const Mp4TagValue& value : item.values)
                entry.texts.push_back(value.bytes);
            if (!entry.texts.empty())
                Set(name + ":" + item.mean + ":" + item.field, entry);
            return std::nullopt;
        }
        if (name == "stik" || name == "hdvd" || name == "rtng")
            return Numbers(item, 1);
        if (name == "tvsn" || name == "tves")
            return Numbers(item, 4);
        if (name == "tmpo")
            return Numbers(item, 2);
        if (name == "trkn" || name == "disk")
            return Numbers(item, 4, 6);
        if (name == "gnre")
            return Genre(item);
        MutagenEntry entry;
        if (name == "cpil" || name == "pgap" || name == "pcst" || name == "covr") {
            entry.kind = MutagenEntry::Kind::Other;
            entry.list = name == "covr";
            for (const Mp4TagValue& value : item.values)
                entry.texts.push_back(value.bytes);
            Set(name, entry);
            return std::nullopt;
        }
        // Text, UTF-8 only (purl and egid are marked 0).
        const int type = name == "purl" || name == "egid" ? 0 : 1;
        for (const Mp4TagValue& value : item.values)
            if (value.type == type)
                entry.texts.push_back(DecodedUtf8(value.bytes));
        if (!entry.texts.empty())
            Set(name, entry);
        return std::nullopt;
    }
    // A genre code becomes the genre's name, unless a genre is there already.
    std::optional<Refusal> Genre(const Mp4TagItem& item)
    {
        if (item.values.empty() || item.values[0].bytes.size() < 2)
            return Refusal{"pyTivo's mutagen cannot read the \"gnre\" tag"};
        if (entries_.count("\xA9gen"))
            return std::nullopt;
        const long code = static_cast<short>(BigEndianNumber(item.values[0].bytes.substr(0, 2)));
        long index = code - 1;
        if (index < 0)
            index += kGenreCount;
        if (index < 0 || index >= kGenreCount)
            return std::nullopt;
        MutagenEntry entry;
        entry.texts.push_back(kGenres[index]);
        Set("\xA9gen", entry);
        return std::nullopt;
    }

    std::map<std::string, MutagenEntry> entries_;
    std::vector<std::string> inserted_;
};

std::string Quoted(const std::string& bytes)
{
    return "\"" + DecodedUtf8(bytes.size() > 60 ? bytes.substr(0, 60) + "..." : bytes) + "\"";
}

// iTunEXTC: "us-tv|TV-14|500|" or "mpaa|PG-13|300|".
std::optional<Refusal> TakeRating(const std::string& value, TagValues& values)
{
    const bool tv = value.find("us-tv") != std::string::npos;
    const bool mpaa = value.find("mpaa") != std::string::npos;
    if (!tv && !mpaa)
        return std::nullopt;
    const size_t bar = value.find('|');
    if (bar == std::string::npos)
        return Refusal{"pyTivo stops on the iTunEXTC tag " + Quoted(value) + ", which has no \"|\""};
    std::string rating = value.substr(bar + 1, value.find('|', bar + 1) - bar - 1);
    for (char& c : rating)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (std::optional<int> number = RatingTableNumber(PyTivoRating::Tv, rating); number && tv)
        values.Number("tvRating", *number);
    else if (std::optional<int> number = RatingTableNumber(PyTivoRating::Mpaa, rating); number && mpaa)
        values.Number("mpaaRating", *number);
    return std::nullopt;
}

// The property list of a tag; a refusal when it has no value at all (pyTivo
// then stops on None). Nothing in plist when plistlib raises: pyTivo passes
// over the tag.
std::optional<Refusal> ReadTagPlist(const std::string& value, const char* tag, std::optional<PlistValue>& plist)
{
    bool rootless = false;
    plist = ReadPythonPlist(value, &rootless);
    if (rootless)
        return Refusal{std::string("pyTivo stops on the ") + tag + " tag, a property list without a value"};
    return std::nullopt;
}

// iTunMOVI: lists of dicts with a "name" under cast, directors, producers
// and screenwriters.
std::optional<Refusal> TakeCredits(const std::string& value, TagValues& values)
{
    std::optional<PlistValue> plist;
    if (std::optional<Refusal> refusal = ReadTagPlist(value, "iTunMOVI", plist))
        return refusal;
    if (!plist)
        return std::nullopt;
    const std::pair<const char*, const char*> lists[] = {
        {"cast", "vActor"}, {"directors", "vDirector"}, {"producers", "vProducer"}, {"screenwriters", "vWriter"}};
    for (const auto& [name, key] : lists) {
        if (plist->kind != PlistValue::Kind::Dict) {
            if (plist->kind == PlistValue::Kind::Array || plist->kind == PlistValue::Kind::String)
                continue;  // "in" finds no such key there (an element or part equal to it is left aside)
            return Refusal{"pyTivo stops on the iTunMOVI tag, whose property list is no dictionary"};
        }
        const PlistValue* people = plist->Find(name);
        if (!people)
            continue;
        std::vector<std::string> names;
        for (const PlistValue& person : people->items) {
            const PlistValue* personName = person.kind == PlistValue::Kind::Dict ? person.Find("name") : nullptr;
            if (!personName || people->kind != PlistValue::Kind::Array)
                return Refusal{std::string("pyTivo stops on the iTunMOVI tag: an entry of \"") + name +
                               "\" without a name"};
            names.push_back(personName->text);
        }
        values.List(key, names);
    }
    return std::nullopt;
}

std::optional<Refusal> TakeOwnInfo(const std::string& value, TagValues& values)
{
    std::optional<PlistValue> plist;
    if (std::optional<Refusal> refusal = ReadTagPlist(value, "tiVoINFO", plist))
        return refusal;
    if (!plist)
        return std::nullopt;
    if (plist->kind != PlistValue::Kind::Dict) {
        if ((plist->kind == PlistValue::Kind::Array && plist->items.empty()) ||
            (plist->kind == PlistValue::Kind::String && plist->text.empty()))
            return std::nullopt;
        return Refusal{"pyTivo stops on the tiVoINFO tag, whose property list is no dictionary"};
    }
    for (size_t i = 0; i < plist->keys.size(); ++i)
        values.Plist(plist->keys[i], plist->items[i]);
    return std::nullopt;
}

// from_moov over mutagen's dictionary, in Python's order.
std::optional<Refusal> MapMoov(const MutagenItems& items, TagValues& values)
{
    const auto first = [&](const char* key) -> const MutagenEntry* { return items.Find(key); };
    bool isTvShow = false;
    if (const MutagenEntry* kind = first("stik"))
        isTvShow = kind->numbers == std::vector<unsigned long long>{10};
    else
        isTvShow = first("tvsh") != nullptr;
    size_t longestDescription = 0;
    for (const std::string& key : items.Order()) {
        const MutagenEntry& entry = *items.Find(key);
        if (entry.list && entry.count() == 0)
            return Refusal{"pyTivo stops on the \"" + DecodedUtf8(key) + "\" tag, which holds no value"};
        const std::string text =
            entry.kind == MutagenEntry::Kind::Numbers || entry.texts.empty() ? std::string() : entry.texts[0];
        if (key == "tvnn") {
            values.Text("callsign", text);
        } else if (key == "tvsh") {
            values.Text("seriesTitle", text);
        } else if (key == "tven") {
            if (StartsWith(text, "SH")) {
                values.Text("isEpisode", "false");
            } else if (StartsWith(text, "MV") || StartsWith(text, "EP")) {
                values.Text("isEpisode", "true");
                values.Text("programId", text);
            }
        } else if (key == "tvsn") {
            std::string episode = "00";
            if (const MutagenEntry* tves = first("tves")) {
                episode = std::to_string(tves->numbers.at(0));
                if (episode.size() < 2)
                    episode = "0" + episode;
            }
            values.Text("episodeNumber", std::to_string(entry.numbers[0]) + episode);
        } else if (key == "\xA9"
                          "day") {
            if (isTvShow)
                values.Text("originalAirDate", CharacterCount(text) == 4 ? text + "-01-01T16:00:00Z" : text);
            else if (CharacterCount(text) >= 4)
                values.Text("movieYear", FirstCharacters(text, 4));
        } else if (key == "\xA9gen") {
            values.Append("vProgramGenre", text);
            values.Append("vSeriesGenre", text);
        } else if (key == "\xA9nam") {
            values.Text(isTvShow ? "episodeTitle" : "title", text);
        } else if ((key == "desc" || key == "\xA9" "cmt" || key == "ldes") &&
                   CharacterCount(text) > longestDescription) {
            values.Text("description", text);
            longestDescription = CharacterCount(text);
        } else if (key == "----:com.apple.iTunes:iTunEXTC") {
            if (std::optional<Refusal> refusal = TakeRating(text, values))
                return refusal;
        } else if (key == "----:com.apple.iTunes:iTunMOVI") {
            if (std::optional<Refusal> refusal = TakeCredits(text, values))
                return refusal;
        } else if (key == "----:com.pyTivo.pyTivo:tiVoINFO") {
            if (std::optional<Refusal> refusal = TakeOwnInfo(text, values))
                return refusal;
        }
    }
    return std::nullopt;
}

// What pyTivo's mutagen takes the file for, from its first 128 bytes: an
// MP4 file needs "ftyp" or "mp4" there, and an ASF header's start scores
// higher than one of them alone.
bool MutagenTakesForMp4(const std::string& head)
{
    const int mp4 = (head.find("ftyp") != std::string::npos) + (head.find("mp4") != std::string::npos);
    const int asf = head.compare(0, 4, "\x30\x26\xB2\x75") == 0 ? 2 : 0;
    return mp4 > 0 && mp4 >= asf;
}

}  // namespace

std::optional<std::string> ReadMoovTags(const MovieTags& tags, TagValues& values)
{
    if (!MutagenTakesForMp4(tags.head))
        return std::string("pyTivo reads no tags from it: its mutagen does not take it for an MP4 file");
    if (!tags.hasSoundTrack)
        return std::string("pyTivo reads no tags from an MP4 file without a sound track");
    MutagenItems items;
    if (std::optional<Refusal> refusal = items.Read(tags.items))
        return refusal->why + ", so pyTivo reads none of its tags";
    if (std::optional<Refusal> refusal = MapMoov(items, values))
        return refusal->why;
    return std::nullopt;
}

