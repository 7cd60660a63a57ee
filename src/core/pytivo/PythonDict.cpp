#include "core/pytivo/PythonDict.h"

namespace {

// Python 2.7's dictobject.c: tables of 8 slots and more, open addressing
// with the "perturb" probe, grown to four times the keys in use when two
// thirds of the slots are filled, the old slots moved over in table order.
constexpr size_t kSmallest = 8;
constexpr int kPerturbShift = 5;

struct Slot {
    const std::string* key = nullptr;
    unsigned long long hash = 0;
};

void Place(std::vector<Slot>& table, const std::string* key, unsigned long long hash)
{
    const size_t mask = table.size() - 1;
    size_t i = static_cast<size_t>(hash) & mask;
    for (unsigned long long perturb = hash; table[i & mask].key; perturb >>= kPerturbShift)
        i = (i << 2) + i + static_cast<size_t>(perturb) + 1;
    table[i & mask] = {key, hash};
}

bool Holds(const std::vector<Slot>& table, const std::string& key, unsigned long long hash)
{
    const size_t mask = table.size() - 1;
    size_t i = static_cast<size_t>(hash) & mask;
    for (unsigned long long perturb = hash; table[i & mask].key; perturb >>= kPerturbShift) {
        if (table[i & mask].hash == hash && *table[i & mask].key == key)
            return true;
        i = (i << 2) + i + static_cast<size_t>(perturb) + 1;
    }
    return false;
}

}  // namespace

unsigned long long PythonStringHash(const std::string& bytes)
{
    if (bytes.empty())
        return 0;
    unsigned long long x = static_cast<unsigned long long>(static_cast<unsigned char>(bytes[0])) << 7;
    for (const char c : bytes)
        x = (1000003ull * x) ^ static_cast<unsigned char>(c);
    x ^= bytes.size();
    if (x == ~0ull)  // -1 is kept for errors
        x = ~0ull - 1;
    return x;
}

std::vector<std::string> PythonDictOrder(const std::vector<std::string>& insertedKeys)
{
    std::vector<Slot> table(kSmallest);
    size_t used = 0;
    for (const std::string& key : insertedKeys) {
        const unsigned long long hash = PythonStringHash(key);
        if (Holds(table, key, hash))
            continue;
        Place(table, &key, hash);
        ++used;
        if (used * 3 < table.size() * 2)
            continue;
        size_t size = kSmallest;
        while (size <= (used > 50000 ? 2 : 4) * used)
            size <<= 1;
        std::vector<Slot> grown(size);
        for (const Slot& slot : table)
            if (slot.key)
                Place(grown, slot.key, slot.hash);
        table.swap(grown);
    }
    std::vector<std::string> order;
    for (const Slot& slot : table)
        if (slot.key)
            order.push_back(*slot.key);
    return order;
}
