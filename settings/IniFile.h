#pragma once
// A profile (ini) file held in memory: "[Section]" lines followed by "key=value" lines.
//
// It follows the rules users of profile files rely on:
// - section and key names are compared without regard to letter case (ASCII);
// - whitespace around names and values is ignored, and one pair of enclosing double quotes is
//   removed from a value when it is read;
// - a value is read up to MaxValueLength bytes (never cutting a UTF-8 character in two);
// - every line the program does not write (unknown sections and keys, comments, blank lines,
//   garbage, line ends CR LF or LF, a missing final line end, a UTF-8 byte order mark at the
//   start) is kept byte for byte;
// - with duplicate sections or keys the first occurrence in the file wins: reading returns it
//   and writing updates it, so what is written is what is read back.
//
// The class only parses and builds bytes; IniFileIO reads and writes the file itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniFile {
 public:
  static constexpr std::size_t MaxValueLength = 2047;

  TIniFile() = default;
  explicit TIniFile(std::string_view bytes) { Parse(bytes); }

  // Replaces the contents with the given file bytes.
  void Parse(std::string_view bytes);
  // The file bytes: exactly what was parsed, plus the changes written since.
  std::string Text() const;

  bool SectionExists(std::string_view section) const;
  bool KeyExists(std::string_view section, std::string_view key) const;

  // The value with surrounding whitespace and one pair of enclosing double quotes removed,
  // cut to MaxValueLength bytes; the default when the key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // The value as it stands in the file, only surrounding whitespace removed and not cut;
  // nothing when the key is missing.
  std::optional<std::string> ReadRawValue(std::string_view section, std::string_view key) const;

  // Sets the value so that ReadString gives it back exactly: a value that would otherwise lose
  // surrounding whitespace or enclosing quotes on reading is written in double quotes. Line
  // breaks cannot be stored in a profile file and are dropped. A missing key is added at the end
  // of its section, a missing section at the end of the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Sets the value exactly as given (line breaks dropped), for values that carry their own
  // quoting.
  void WriteRawValue(std::string_view section, std::string_view key, std::string_view value);

  // Integers as the program writes and reads them: decimal, or hexadecimal after "$" or after
  // "0x"/"0X" (when more than two characters), with an optional sign. A value that is not an
  // integer gives the default. Flags are integers, true when not zero, written as "1"/"0".
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Section and key names are program constants: not empty, no line breaks, no "=", not
  // starting with "[" ";" or "#", no surrounding whitespace.
  static bool IsValidName(std::string_view name);

 private:
  enum class Kind { Other, Blank, Comment, Section, Key };
  struct Line {
    std::string body;  // without the line end
    std::string eol;   // "\n", "\r\n" or "" for a last line without one
    Kind kind = Kind::Other;
    std::string name;           // trimmed section or key name
    std::size_t valueStart = 0;  // Key: offset of the value in body (after "=" and blanks)
  };

  static void Classify(Line& line);
  // Index of the first key line with this name inside any section of this name, or npos.
  std::size_t FindKey(std::string_view section, std::string_view key) const;
  std::size_t FindSection(std::string_view section) const;
  std::string LineEnd() const;
  void SetValue(std::string_view section, std::string_view key, std::string value);

  std::string bom_;  // a UTF-8 byte order mark before the first line (editors on Windows add it)
  std::vector<Line> lines_;
};

// The integer reading rule above applied to a text; nothing when it is not an integer.
// Hexadecimal takes up to eight digits and wraps into 32 bits (colours such as 0x80000005);
// decimal must fit into 32 bits.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// Compares two names the way profile files do: ASCII letters without regard to case.
bool SameIniName(std::string_view a, std::string_view b);
