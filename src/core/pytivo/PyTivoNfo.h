#pragma once
// Kodi's .nfo files as pyTivo reads them: a movie's or an episode's own
// ("Movie.nfo" beside "Movie.mkv") and, for an episode, the show's nearest
// "tvshow.nfo".
#include <string>
#include <vector>

#include "core/pytivo/PyTivoValues.h"
#include "platform/Xml.h"

// An element of a .nfo file and what pyTivo takes for its text: the data
// of the first node inside it, whatever kind of node that is.
struct NfoElement {
    enum class First {
        Nothing,  // the element is empty
        Element,  // another element comes before any text (pyTivo stops on it)
        Data,     // text, a CDATA section, a comment or a processing instruction
    };
    std::string name;
    First first = First::Nothing;
    std::string data;
    // Past the last element inside it: the elements inside are those after
    // it in document order up to there.
    size_t end = 0;
};

class NfoDocument {
public:
    // The XML of a .nfo file's bytes as pyTivo gets it: each line stripped
    // of white space at its ends and the lines joined again by line feeds;
    // when the XML fails with a character that no token takes on its last
    // line that is not blank (a scraper's URL after the XML), that line is
    // dropped and the rest read again.
    explicit NfoDocument(const std::string& bytes);

    // Whether XML came of the bytes; why not in Fault() (its line counts
    // the stripped lines).
    bool IsXml() const { return fault_.kind == XmlFault::Kind::None; }
    const XmlFault& Fault() const { return fault_; }
    // Every element in document order.
    const std::vector<NfoElement>& Elements() const { return elements_; }

private:
    void Build(XmlReader& reader);

    std::vector<NfoElement> elements_;
    XmlFault fault_;
};

// What a movie's own .nfo describes: the first <episodedetails> anywhere
// makes it an episode, else the first <movie> a movie.
enum class NfoKind { Other, Movie, Episode };
NfoKind KindOfNfo(const NfoDocument& document);

// The values pyTivo takes from a tvshow.nfo (its first <tvshow>): title,
// seriesTitle, description and the ratings as written, and the lists.
PyTivoValues ShowNfoValues(const NfoDocument& document, const std::string& path,
                           std::vector<PyTivoProblem>& problems);

// The values pyTivo takes from a movie's own .nfo at path, cleaned up as
// pyTivo cleans them. An episode's are merged over the show's values
// (those of ShowNfoValues): isEpisode "true", its title as episodeTitle,
// episodeNumber the season's number followed by the episode's in two
// places ("105"; displayseason and displayepisode win when set and not
// -1), aired as originalAirDate at midnight UTC. A movie's: isEpisode
// "false", movieYear in four places ("0000" without one). Both: genres as
// vGenre, vProgramGenre and vSeriesGenre, actors' names as vActor, credits
// as vWriter, directors as vDirector, each value once; the rating (0 to
// 10) made TiVo stars (1 to 7) as pyTivo rounds it, and an MPAA or TV
// rating that is not exactly in pyTivo's table dropped. What pyTivo would
// stop on (text it cannot read as a number, an element where it reads
// text) goes to problems and is left out.
PyTivoValues MovieNfoValues(const NfoDocument& document, const std::string& path, const PyTivoValues& show,
                            std::vector<PyTivoProblem>& problems);
