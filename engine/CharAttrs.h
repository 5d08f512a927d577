#pragma once
// What each character of a story carries (CharAttr), held as a 4-byte index
// into the story's table of distinct attributes. Neighbouring characters
// mostly share their format, and a long document has few distinct triples
// besides its fields and cells: the triple itself per character made the
// attributes three times the size of the text of 100,000 paragraphs.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

namespace lorivex::engine {

struct CharAttr {
    uint32_t Format = 0; // CharFormat index
    uint32_t Para = 0;   // ParagraphFormat index, on paragraph and cell marks
    uint32_t Ext = 0;    // ExtRecord index, 0 for none

    bool operator==(const CharAttr&) const = default;
};

class CharAttrs {
public:
    CharAttrs();

    size_t size() const { return ids_.size(); }
    bool empty() const { return ids_.empty(); }
    // References stay valid while attributes are added: the table only grows.
    const CharAttr& operator[](size_t i) const { return table_[ids_[i]]; }
    const CharAttr& at(size_t i) const { return table_[ids_.at(i)]; }
    const CharAttr& back() const { return table_[ids_.back()]; }
    void Set(size_t i, const CharAttr& attr) { ids_.at(i) = Id(attr); }

    void push_back(const CharAttr& attr) { ids_.push_back(Id(attr)); }
    // count characters of one attribute, as a run's text carries it.
    void append(size_t count, const CharAttr& attr) { ids_.insert(ids_.end(), count, Id(attr)); }
    void pop_back() { ids_.pop_back(); }
    void reserve(size_t count) { ids_.reserve(count); }
    void resize(size_t count) { ids_.resize(count, 0); } // new characters carry nothing
    void clear() { ids_.clear(); }

    void Insert(size_t at, const std::vector<CharAttr>& attrs);
    void Erase(size_t start, size_t end);
    std::vector<CharAttr> Slice(size_t start, size_t end) const;
    size_t DistinctCount() const { return table_.size(); }

private:
    uint32_t Id(const CharAttr& attr);

    struct Hash {
        size_t operator()(const CharAttr& a) const
        {
            uint64_t h = a.Format * 0x9E3779B97F4A7C15ull;
            h ^= (h >> 29) + a.Para * 0xBF58476D1CE4E5B9ull;
            h ^= (h >> 31) + a.Ext * 0x94D049BB133111EBull;
            return size_t(h ^ (h >> 32));
        }
    };
    std::vector<uint32_t> ids_;
    std::deque<CharAttr> table_; // [0] is the empty attribute
    std::unordered_map<CharAttr, uint32_t, Hash> index_;
    uint32_t lastId_ = 0; // characters are mostly added in runs of one attribute
};

} // namespace lorivex::engine
