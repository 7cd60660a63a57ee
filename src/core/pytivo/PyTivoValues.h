#pragma once
// The values pyTivo holds for one movie while it reads the movie's
// sources, each with the file it came from. Text is UTF-8.
#include <map>
#include <string>
#include <vector>

// One value of a list key ("vActor") and the file it came from.
struct PyTivoItem {
    std::string text;
    std::string source;
};

struct PyTivoValue {
    enum class Kind {
        Text,
        Number,  // a rating pyTivo made a number
        List,    // a key that starts with "v"
    };
    Kind kind = Kind::Text;
    // A text; a number as Python prints it.
    std::string text;
    long long number = 0;
    std::vector<PyTivoItem> items;
    // The file a text or a number came from; for the values pyTivo makes
    // up itself (the title, the date) the movie file.
    std::string source;
};

PyTivoValue TextValue(std::string text, std::string source);
PyTivoValue NumberValue(long long number, std::string source);

// Keys as pyTivo spells them.
using PyTivoValues = std::map<std::string, PyTivoValue>;

// Whether the value counts as there for pyTivo's templates: a text that is
// not empty, a number other than 0, a list with an item.
bool IsSet(const PyTivoValue* value);

// A source pyTivo would read that could not be read, or that pyTivo itself
// would stop on, and why.
struct PyTivoProblem {
    std::string path;
    std::string why;
};
