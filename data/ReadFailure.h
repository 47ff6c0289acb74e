#pragma once
// The first fault met while reading an integration file, told so that a person can find it: the
// file, the record and the key, e.g.
//   tagl.json: tags[12] "isPointer": expected true or false
// The readers report through the static functions below; a Scope on the reading thread's stack
// collects for one file. Without a Scope, reports go nowhere and cost next to nothing.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace data {

class ReadFailure {
 public:
  class Scope {
   public:
    // `file` names the file in the description ("tagl.json").
    explicit Scope(std::string file);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

    bool Failed() const { return !text_.empty(); }
    // Empty while nothing failed.
    const std::string& Text() const { return text_; }

   private:
    friend class ReadFailure;
    struct Segment {
      const char16_t* key;
      std::size_t index;
    };
    static constexpr std::size_t kNoIndex = static_cast<std::size_t>(-1);

    Scope* outer_;
    std::string file_;
    std::vector<Segment> path_;
    std::string text_;
  };

  // The record entered while the object lives: the object under `key`, or element `index` of the
  // array under `key`.
  class Record {
   public:
    explicit Record(const char16_t* key);
    Record(const char16_t* key, std::size_t index);
    ~Record();
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;
  };

  // `key` of the current record (null: the record itself) holds no value of the kind it needs.
  // Only the first report of a Scope counts. Always false, for the reader to return.
  static bool Report(const char16_t* key, std::string_view reason);
  // A fault of the file as a whole (a syntax error, a file missing), outside any record.
  static bool ReportFile(std::string_view reason);
};

}  // namespace data
