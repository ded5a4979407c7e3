#pragma once
// Checks a JSON value against a JSON Schema, for the keywords the analysis schema uses: type
// (one or several), const, enum, minimum, maximum, required, properties,
// additionalProperties (false), items, minItems, maxItems, oneOf and local $ref. Every
// violation is listed with the path where it occurs.

#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace schemacheck {

using nlohmann::json;

inline bool HasType(const json& v, const std::string& type) {
  if (type == "object") return v.is_object();
  if (type == "array") return v.is_array();
  if (type == "string") return v.is_string();
  if (type == "integer") return v.is_number_integer();
  if (type == "number") return v.is_number();
  if (type == "boolean") return v.is_boolean();
  if (type == "null") return v.is_null();
  return false;
}

class Checker {
 public:
  explicit Checker(json schema) : root_(std::move(schema)) {}

  std::vector<std::string> Check(const json& value) const {
    std::vector<std::string> errors;
    Walk(root_, value, "", errors);
    return errors;
  }

 private:
  const json& Resolve(const json& schema) const {
    if (!schema.contains("$ref")) return schema;
    const std::string ref = schema["$ref"];
    // Only local references: "#/$defs/name".
    return root_.at(json::json_pointer(ref.substr(1)));
  }

  void Walk(const json& schemaIn, const json& v, const std::string& path, std::vector<std::string>& errors) const {
    const json& s = Resolve(schemaIn);
    auto fail = [&](const std::string& what) { errors.push_back((path.empty() ? "/" : path) + ": " + what); };
    if (s.contains("type")) {
      bool ok = false;
      if (s["type"].is_array()) {
        for (const auto& t : s["type"]) ok = ok || HasType(v, t);
      } else {
        ok = HasType(v, s["type"]);
      }
      if (!ok) {
        fail("type is not " + s["type"].dump() + ": " + v.dump().substr(0, 60));
        return;
      }
    }
    if (s.contains("const") && v != s["const"]) fail("is not " + s["const"].dump());
    if (s.contains("enum")) {
      bool found = false;
      for (const auto& e : s["enum"]) found = found || e == v;
      if (!found) fail("not one of " + s["enum"].dump() + ": " + v.dump());
    }
    if (v.is_number()) {
      if (s.contains("minimum") && v.get<double>() < s["minimum"].get<double>()) fail("below minimum: " + v.dump());
      if (s.contains("maximum") && v.get<double>() > s["maximum"].get<double>()) fail("above maximum: " + v.dump());
    }
    if (s.contains("oneOf")) {
      int matches = 0;
      for (const auto& option : s["oneOf"]) {
        std::vector<std::string> sub;
        Walk(option, v, path, sub);
        if (sub.empty()) ++matches;
      }
      if (matches != 1) fail("matches " + std::to_string(matches) + " of the oneOf options");
    }
    if (v.is_object()) {
      if (s.contains("required"))
        for (const auto& r : s["required"])
          if (!v.contains(r.get<std::string>())) fail("misses " + r.get<std::string>());
      const json props = s.value("properties", json::object());
      for (auto it = v.begin(); it != v.end(); ++it) {
        if (props.contains(it.key())) Walk(props[it.key()], it.value(), path + "/" + it.key(), errors);
        else if (s.contains("additionalProperties") && s["additionalProperties"] == false) fail("unexpected " + it.key());
      }
    }
    if (v.is_array()) {
      if (s.contains("minItems") && v.size() < s["minItems"].get<size_t>()) fail("too few items");
      if (s.contains("maxItems") && v.size() > s["maxItems"].get<size_t>()) fail("too many items");
      if (s.contains("items"))
        for (size_t i = 0; i < v.size(); ++i) Walk(s["items"], v[i], path + "/" + std::to_string(i), errors);
    }
  }

  json root_;
};

// The shipped schema of the analysis documents.
inline const Checker& AnalysisSchema() {
  static const Checker checker = [] {
    std::ifstream in(std::string(CANTARO_SOURCE_DIR) + "/doc/cantaro-analysis.schema.json");
    return Checker(json::parse(in));
  }();
  return checker;
}

// Empty when the text is one JSON document that the schema accepts; else what is wrong.
inline std::vector<std::string> CheckAnalysisText(const std::string& text) {
  json doc;
  try {
    doc = json::parse(text);
  } catch (const std::exception& e) {
    return {std::string("not JSON: ") + e.what()};
  }
  return AnalysisSchema().Check(doc);
}

}  // namespace schemacheck
