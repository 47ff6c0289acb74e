#include "Script.h"

#include <charconv>
#include <optional>

#include "Utf8.h"

namespace driver {

namespace {

struct Token {
  std::string word;
  std::optional<std::u16string> string;  // set for a quoted string
};

// Splits a line into words and quoted strings; stops at a # outside quotes.
bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error) {
  for (size_t i = 0; i < line.size();) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      std::string text;
      for (++i;; ++i) {
        if (i >= line.size()) {
          error = "the string has no closing quote";
          return false;
        }
        if (line[i] == '"') break;
        if (line[i] == '\\') {
          if (++i >= line.size()) continue;
          if (line[i] == 'n')
            text += '\n';
          else if (line[i] == '"' || line[i] == '\\')
            text += line[i];
          else {
            error = std::string("unknown escape \\") + line[i];
            return false;
          }
        } else {
          text += line[i];
        }
      }
      ++i;
      tokens.push_back({{}, FromUtf8(text)});
    } else {
      size_t end = line.find_first_of(" \t\r\"#", i);
      if (end == std::string_view::npos) end = line.size();
      tokens.push_back({std::string(line.substr(i, end - i)), std::nullopt});
      i = end;
    }
  }
  return true;
}

bool IsWord(const Token& token, const char* word) { return !token.string && token.word == word; }

bool ParseId(const Token& token, int& id) {
  if (token.string || token.word.empty()) return false;
  auto [end, error] = std::from_chars(token.word.data(), token.word.data() + token.word.size(), id);
  return error == std::errc() && end == token.word.data() + token.word.size();
}

struct StateWord {
  const char* word;
  ScriptLine::What what;
};

constexpr StateWord kStates[] = {
    {"enabled", ScriptLine::What::Enabled}, {"disabled", ScriptLine::What::Disabled},
    {"visible", ScriptLine::What::Visible}, {"hidden", ScriptLine::What::Hidden},
    {"checked", ScriptLine::What::Checked}, {"unchecked", ScriptLine::What::Unchecked},
    {"focused", ScriptLine::What::Focused}, {"readonly", ScriptLine::What::ReadOnly},
};

bool ParseCheck(const std::vector<Token>& t, ScriptLine& line) {
  line.op = ScriptLine::Op::Check;
  if (t.size() == 3 && IsWord(t[1], "page") && t[2].string) {
    line.what = ScriptLine::What::Page;
    line.text = *t[2].string;
    return true;
  }
  if (t.size() == 3 && IsWord(t[1], "pages") && t[2].string) {
    line.what = ScriptLine::What::Pages;
    line.text = *t[2].string;
    return true;
  }
  if (t.size() == 3 && IsWord(t[1], "closed") && (IsWord(t[2], "ok") || IsWord(t[2], "cancel"))) {
    line.what = IsWord(t[2], "ok") ? ScriptLine::What::ClosedOk : ScriptLine::What::ClosedCancel;
    return true;
  }
  if (t.size() < 3 || !ParseId(t[1], line.id) || t[2].string) return false;
  if (t.size() == 3) {
    for (const StateWord& state : kStates) {
      if (t[2].word == state.word) {
        line.what = state.what;
        return true;
      }
    }
    return false;
  }
  if (t.size() != 4 || !t[3].string) return false;
  line.text = *t[3].string;
  if (t[2].word == "text") line.what = ScriptLine::What::Text;
  else if (t[2].word == "items") line.what = ScriptLine::What::Items;
  else if (t[2].word == "selected") line.what = ScriptLine::What::Selected;
  else return false;
  return true;
}

// What each action takes, for the message when a line does not fit.
const char* Usage(const std::string& action) {
  if (action == "focus" || action == "select-all" || action == "click") return "an id";
  if (action == "type" || action == "page") return "a quoted string";
  if (action == "key") return "a key name";
  if (action == "choose") return "an id and a quoted item";
  if (action == "ok" || action == "cancel") return "nothing";
  if (action == "expect-box") return "nothing or a quoted string";
  return "a control id and what to check, or page, pages or closed";
}

bool ParseLine(const std::vector<Token>& t, ScriptLine& line, std::string& error) {
  const std::string& action = t[0].word;
  bool fits = false;
  if (t[0].string) {
    error = "a line starts with an action, not a string";
    return false;
  }
  if (action == "focus" || action == "select-all" || action == "click") {
    line.op = action == "focus" ? ScriptLine::Op::Focus : action == "click" ? ScriptLine::Op::Click : ScriptLine::Op::SelectAll;
    fits = t.size() == 2 && ParseId(t[1], line.id);
  } else if (action == "type" || action == "page") {
    line.op = action == "type" ? ScriptLine::Op::Type : ScriptLine::Op::Page;
    fits = t.size() == 2 && t[1].string;
    if (fits) line.text = *t[1].string;
  } else if (action == "key") {
    line.op = ScriptLine::Op::Key;
    fits = t.size() == 2 && !t[1].string;
    if (fits && !KeyFromName(t[1].word, line.key)) {
      error = "unknown key " + t[1].word;
      return false;
    }
  } else if (action == "choose") {
    line.op = ScriptLine::Op::Choose;
    fits = t.size() == 3 && ParseId(t[1], line.id) && t[2].string;
    if (fits) line.text = *t[2].string;
  } else if (action == "ok" || action == "cancel") {
    line.op = action == "ok" ? ScriptLine::Op::Ok : ScriptLine::Op::Cancel;
    fits = t.size() == 1;
  } else if (action == "expect-box") {
    line.op = t.size() == 1 ? ScriptLine::Op::ExpectAnyBox : ScriptLine::Op::ExpectBox;
    fits = t.size() == 1 || (t.size() == 2 && t[1].string);
    if (t.size() == 2 && fits) line.text = *t[1].string;
  } else if (action == "check") {
    fits = ParseCheck(t, line);
  } else {
    error = "unknown action " + action;
    return false;
  }
  if (!fits) error = action + " takes " + Usage(action);
  return fits;
}

}  // namespace

bool Script::Parse(std::string_view text, Script& script, int& errorLine, std::string& error) {
  script.lines.clear();
  int number = 0;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view source = text.substr(start, end - start);
    start = end + 1;
    ++number;
    std::vector<Token> tokens;
    if (!Tokenize(source, tokens, error)) {
      errorLine = number;
      return false;
    }
    if (tokens.empty()) continue;
    ScriptLine line;
    line.number = number;
    line.source = std::string(source.substr(0, source.find_last_not_of(" \t\r") + 1));
    if (!ParseLine(tokens, line, error)) {
      errorLine = number;
      return false;
    }
    script.lines.push_back(std::move(line));
  }
  return true;
}

}  // namespace driver
