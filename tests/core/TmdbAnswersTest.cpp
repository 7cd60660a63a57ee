// TMDB's answers read as TMDB documents them (the examples below keep the
// documented shape, shortened), and answers that are not so: no JSON, no
// object, fields of another type, numbers out of range.
#include <gtest/gtest.h>

#include "core/lookup/TmdbAnswers.h"

namespace {

const char kSearchTv[] = R"({"page":1,"results":[
 {"adult":false,"backdrop_path":"/x.jpg","genre_ids":[10765,18],"id":1399,"origin_country":["US"],
  "original_language":"en","original_name":"Game of Thrones","overview":"Seven noble families fight.",
  "popularity":369.594,"poster_path":"/y.jpg","first_air_date":"2011-04-17","name":"Game of Thrones",
  "vote_average":8.4,"vote_count":21857},
 {"id":"not a number","name":"Broken"},
 {"id":7,"name":null}],
 "total_pages":1,"total_results":3})";

const char kShow[] = R"({"adult":false,"backdrop_path":"/x.jpg","created_by":[{"id":9813,"name":"David Benioff"}],
 "episode_run_time":[],"first_air_date":"2011-04-17","genres":[{"id":10765,"name":"Sci-Fi & Fantasy"},
 {"id":18,"name":"Drama"}],"homepage":"","id":1399,"in_production":false,"languages":["en"],
 "name":"Game of Thrones","number_of_seasons":8,"original_name":"Game of Thrones","overview":"Seven noble families.",
 "seasons":[{"air_date":"2010-12-05","episode_count":14,"id":3627,"name":"Specials","season_number":0},
  {"air_date":"2011-04-17","episode_count":10,"id":3624,"name":"Season 1","season_number":1}],
 "vote_average":8.4,"vote_count":21857,
 "content_ratings":{"results":[{"descriptors":[],"iso_3166_1":"DE","rating":"16"},
  {"descriptors":[],"iso_3166_1":"US","rating":"TV-MA"}]},
 "credits":{"cast":[{"adult":false,"gender":2,"id":2,"name":"Second Billed","character":"B","order":1},
  {"adult":false,"gender":1,"id":1,"name":"Emilia Clarke","character":"A","order":0},
  {"id":3,"name":"Emilia Clarke","order":4}],"crew":[]}})";

const char kSeason[] = R"({"_id":"5256c89f19c2956ff6046d47","air_date":"2011-04-17","name":"Season 1","overview":"",
 "id":3624,"poster_path":"/p.jpg","season_number":1,"vote_average":8.3,"episodes":[
 {"air_date":"2011-04-17","episode_number":1,"episode_type":"standard","id":63056,"name":"Winter Is Coming",
  "overview":"Jon Arryn is dead.","production_code":"101","runtime":62,"season_number":1,"show_id":1399,
  "still_path":"/s.jpg","vote_average":7.9,"vote_count":300,
  "crew":[{"department":"Directing","job":"Director","credit_id":"c1","adult":false,"gender":2,"id":44797,
   "known_for_department":"Directing","name":"Timothy Van Patten","original_name":"Timothy Van Patten"},
   {"department":"Writing","job":"Writer","id":9813,"name":"David Benioff"},
   {"department":"Writing","job":"Novel","id":237053,"name":"George R. R. Martin"},
   {"department":"Writing","job":"Story","id":9813,"name":"David Benioff"}],
  "guest_stars":[{"character":"Septa","credit_id":"g1","order":501,"name":"Second Guest"},
   {"character":"King","credit_id":"g2","order":500,"name":"First Guest"}]},
 {"air_date":null,"episode_number":2,"name":"The Kingsroad","overview":7,"crew":"none","guest_stars":{}}]})";

const char kMovie[] = R"({"adult":false,"backdrop_path":"/b.jpg","belongs_to_collection":null,"budget":63000000,
 "genres":[{"id":18,"name":"Drama"},{"id":53,"name":"Thriller"}],"homepage":"","id":550,"imdb_id":"tt0137523",
 "original_language":"en","original_title":"Fight Club","overview":"A ticking-time-bomb insomniac.",
 "popularity":61.4,"release_date":"1999-10-15","revenue":100853753,"runtime":139,"status":"Released",
 "tagline":"Mischief. Mayhem. Soap.","title":"Fight Club","video":false,"vote_average":8.4,"vote_count":26280,
 "credits":{"cast":[{"id":819,"name":"Edward Norton","character":"Narrator","order":0},
  {"id":287,"name":"Brad Pitt","character":"Tyler Durden","order":1}],
  "crew":[{"id":7467,"department":"Directing","job":"Director","name":"David Fincher"},
   {"id":7468,"department":"Writing","job":"Screenplay","name":"Jim Uhls"},
   {"id":7469,"department":"Writing","job":"Novel","name":"Chuck Palahniuk"},
   {"id":7470,"department":"Production","job":"Producer","name":"Art Linson"}]},
 "release_dates":{"results":[{"iso_3166_1":"GB","release_dates":[{"certification":"18","type":3}]},
  {"iso_3166_1":"US","release_dates":[{"certification":"","iso_639_1":"","note":"Premiere",
   "release_date":"1999-09-10T00:00:00.000Z","type":1},{"certification":"R","descriptors":[],"iso_639_1":"",
   "note":"","release_date":"1999-10-15T00:00:00.000Z","type":3}]}]}})";

}  // namespace

TEST(TmdbAnswers, ASearchGivesEachCandidateWithANameAndAnIdAndLeavesTheRest)
{
    std::vector<TmdbCandidate> found;
    std::string why;
    ASSERT_TRUE(ReadTmdbSearch(kSearchTv, TmdbKind::Show, found, why)) << why;
    ASSERT_EQ(1u, found.size());
    EXPECT_EQ(1399, found[0].id);
    EXPECT_EQ("Game of Thrones", found[0].name);
    EXPECT_EQ(2011, found[0].year);
    EXPECT_EQ("Seven noble families fight.", found[0].overview);
}

TEST(TmdbAnswers, AShowGivesItsGenresCastInBillingOrderUsRatingAndSeasons)
{
    TmdbShow show;
    std::string why;
    ASSERT_TRUE(ReadTmdbShow(kShow, show, why)) << why;
    EXPECT_EQ(1399, show.id);
    EXPECT_EQ((std::vector<std::string>{"Sci-Fi & Fantasy", "Drama"}), show.genres);
    EXPECT_EQ((std::vector<std::string>{"Emilia Clarke", "Second Billed"}), show.cast);
    EXPECT_EQ("TV-MA", show.usRating);
    ASSERT_EQ(2u, show.seasons.size());
    EXPECT_EQ(0, show.seasons[0].number);
    EXPECT_EQ("2011-04-17", show.seasons[1].airDate);
    EXPECT_EQ(10, show.seasons[1].episodeCount);
}

TEST(TmdbAnswers, ASeasonGivesEveryEpisodeWithItsCrewAndGuestsAndIgnoresFieldsOfAnotherType)
{
    TmdbSeason season;
    std::string why;
    ASSERT_TRUE(ReadTmdbSeason(kSeason, season, why)) << why;
    ASSERT_EQ(2u, season.episodes.size());
    const TmdbEpisode& first = season.episodes[0];
    EXPECT_EQ(1, first.season);
    EXPECT_EQ(1, first.number);
    EXPECT_EQ("Winter Is Coming", first.name);
    EXPECT_EQ("2011-04-17", first.airDate);
    EXPECT_EQ((std::vector<std::string>{"Timothy Van Patten"}), first.directors);
    EXPECT_EQ((std::vector<std::string>{"David Benioff", "George R. R. Martin"}), first.writers);
    EXPECT_EQ((std::vector<std::string>{"First Guest", "Second Guest"}), first.guestStars);
    const TmdbEpisode& second = season.episodes[1];
    EXPECT_EQ("The Kingsroad", second.name);
    EXPECT_EQ("", second.overview);  // a number where a text belongs
    EXPECT_EQ("", second.airDate);   // null
    EXPECT_TRUE(second.directors.empty());
    EXPECT_TRUE(second.guestStars.empty());
}

TEST(TmdbAnswers, AMovieGivesItsCrewAndTheUsTheatricalCertification)
{
    TmdbMovie movie;
    std::string why;
    ASSERT_TRUE(ReadTmdbMovie(kMovie, movie, why)) << why;
    EXPECT_EQ("Fight Club", movie.title);
    EXPECT_EQ("1999-10-15", movie.releaseDate);
    EXPECT_EQ((std::vector<std::string>{"Edward Norton", "Brad Pitt"}), movie.cast);
    EXPECT_EQ((std::vector<std::string>{"David Fincher"}), movie.directors);
    EXPECT_EQ((std::vector<std::string>{"Jim Uhls", "Chuck Palahniuk"}), movie.writers);
    EXPECT_EQ("R", movie.usCertification);
    EXPECT_DOUBLE_EQ(8.4, movie.voteAverage);
}

TEST(TmdbAnswers, AnswersThatAreNoneAreRefusedWithTheReason)
{
    enum Reader { Search, Show, Season, Movie };
    const struct {
        Reader reader;
        const char* body;
        const char* why;
    } cases[] = {
        {Search, "", "the answer is no JSON ("},
        {Show, "<html>Bad Gateway</html>", "the answer is no JSON ("},
        {Season, "{\"results\":[", "the answer is no JSON ("},
        {Movie, "[1,2]", "the answer is no JSON object"},
        {Search, "{\"results\":{}}", "the answer holds no list of results"},
        {Season, "{\"id\":1399,\"episodes\":7}", "the answer holds no list of episodes"},
        {Show, "{\"id\":\"1399\",\"name\":\"x\"}", "the answer names no show"},
        {Show, "{\"id\":99999999999999999999,\"name\":\"x\"}", "the answer names no show"},
        {Movie, "{\"id\":-5,\"title\":\"x\"}", "the answer names no movie"},
        {Movie, "{\"id\":5,\"title\":[\"x\"]}", "the answer names no movie"},
    };
    for (const auto& c : cases) {
        std::vector<TmdbCandidate> found;
        TmdbShow show;
        TmdbSeason season;
        TmdbMovie movie;
        std::string why;
        const bool read = c.reader == Search   ? ReadTmdbSearch(c.body, TmdbKind::Movie, found, why)
                          : c.reader == Show   ? ReadTmdbShow(c.body, show, why)
                          : c.reader == Season ? ReadTmdbSeason(c.body, season, why)
                                               : ReadTmdbMovie(c.body, movie, why);
        EXPECT_FALSE(read) << c.body;
        EXPECT_EQ(0u, why.find(c.why)) << c.body << ": " << why;
    }
    EXPECT_EQ("Invalid API key: You must be granted a valid key.",
              TmdbStatusMessage(R"({"success":false,"status_code":7,)"
                                R"("status_message":"Invalid API key: You must be granted a valid key."})"));
    EXPECT_EQ("", TmdbStatusMessage("not json"));
}
