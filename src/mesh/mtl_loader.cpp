#include <array>
#include <optional>
#include <string_view>

#include "mesh/mesh_loader.h"
#include "mesh/resource_lines.h"
#include "mesh/text_helpers.h"

namespace objl {

namespace {

template <typename Field>
struct Keyword {
    std::string_view word;
    Field Material::*field;
};

constexpr std::array<Keyword<Vector3>, 3> colorKeywords = {{
    {"Ka", &Material::ambientColor},
    {"Kd", &Material::diffuseColor},
    {"Ks", &Material::specularColor},
}};

constexpr std::array<Keyword<float>, 3> scalarKeywords = {{
    {"Ns", &Material::specularExponent},
    {"Ni", &Material::opticalDensity},
    {"d", &Material::dissolve},
}};

constexpr std::array<Keyword<std::string>, 8> mapKeywords = {{
    {"map_Ka", &Material::ambientMap},
    {"map_Kd", &Material::diffuseMap},
    {"map_Ks", &Material::specularMap},
    {"map_Ns", &Material::specularExponentMap},
    {"map_d", &Material::dissolveMap},
    {"map_Bump", &Material::bumpMap},
    {"map_bump", &Material::bumpMap},
    {"bump", &Material::bumpMap},
}};

template <typename Field, std::size_t count>
Field Material::*fieldOf(const std::array<Keyword<Field>, count> &keywords, std::string_view word) {
    for (const Keyword<Field> &keyword : keywords)
        if (keyword.word == word) return keyword.field;
    return nullptr;
}

/// A colour takes exactly three values; any other count leaves the colour as it was.
bool readColor(const std::string &rest, Vector3 &color) {
    std::vector<std::string> pieces = splitOn(rest, ' ');
    if (pieces.size() != 3) return true;
    std::optional<float> r = readReal(pieces[0]);
    std::optional<float> g = readReal(pieces[1]);
    std::optional<float> b = readReal(pieces[2]);
    if (!r || !g || !b) return false;
    color = Vector3(*r, *g, *b);
    return true;
}

/// Applies one MTL line to current, or starts the next material into read. False when a value
/// that must be a number is not one.
bool readMaterialLine(std::string_view line, Material &current, bool &seenNewmtl, std::vector<Material> &read) {
    std::string word = firstWord(line);
    std::string rest = restOfLine(line);
    if (word == "newmtl") {
        if (seenNewmtl) {
            read.push_back(current);
            current = Material();
        }
        seenNewmtl = true;
        // Seven characters hold "newmtl" and one more; a line that short names nothing.
        current.name = line.size() > 7 ? trimLineBreaks(rest) : "none";
    } else if (auto color = fieldOf(colorKeywords, word)) {
        return readColor(rest, current.*color);
    } else if (auto scalar = fieldOf(scalarKeywords, word)) {
        std::optional<float> value = readReal(rest);
        if (!value) return false;
        current.*scalar = *value;
    } else if (word == "illum") {
        std::optional<std::int32_t> value = readInteger(rest);
        if (!value) return false;
        current.illuminationModel = *value;
    } else if (auto map = fieldOf(mapKeywords, word)) {
        current.*map = rest;
    }
    return true;
}

} // namespace

bool MeshLoader::loadMtlResource(int mtlResourceId) {
    LineReader lines(textResource(mtlResourceId));
    std::vector<Material> read;
    Material current;
    bool seenNewmtl = false;
    std::string_view line;
    while (lines.next(line)) {
        if (!readMaterialLine(line, current, seenNewmtl, read)) return false;
    }
    // Values set before the first "newmtl" belong to the first material; a text without any still
    // gives one default material.
    read.push_back(current);
    materials.insert(materials.end(), read.begin(), read.end());
    return true;
}

} // namespace objl
