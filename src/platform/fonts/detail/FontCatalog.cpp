// fontconfig queries behind the font catalog. Every match passes a pixel size: fontconfig would otherwise
// assume 12.5 pixels and pick the wrong strike of a bitmap family.
#include "platform/fonts/detail/FontCatalog.h"

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

namespace win {

namespace {

FcConfig* Config() {
    static FcConfig* config = FcInitLoadConfigAndFonts();
    return config;
}

std::mutex& CatalogMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string GetString(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
    return reinterpret_cast<const char*>(value);
}

std::optional<CatalogFace> FaceFromPattern(FcPattern* pattern) {
    CatalogFace face;
    face.file = GetString(pattern, FC_FILE);
    if (face.file.empty()) return std::nullopt;
    face.family = GetString(pattern, FC_FAMILY);
    face.style = GetString(pattern, FC_STYLE);
    int index = 0;
    if (FcPatternGetInteger(pattern, FC_INDEX, 0, &index) == FcResultMatch) face.index = index & 0xFFFF;
    double weight = FC_WEIGHT_REGULAR;
    if (FcPatternGetDouble(pattern, FC_WEIGHT, 0, &weight) == FcResultMatch)
        face.weight = static_cast<int>(FcWeightToOpenTypeDouble(weight));
    int width = FC_WIDTH_NORMAL;
    if (FcPatternGetInteger(pattern, FC_WIDTH, 0, &width) == FcResultMatch) face.width = width;
    int slant = FC_SLANT_ROMAN;
    if (FcPatternGetInteger(pattern, FC_SLANT, 0, &slant) == FcResultMatch)
        face.italic = slant != FC_SLANT_ROMAN;
    FcBool scalable = FcTrue;
    if (FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable) == FcResultMatch) face.scalable = scalable;
    double pixelSize = 0;
    if (!face.scalable && FcPatternGetDouble(pattern, FC_PIXEL_SIZE, 0, &pixelSize) == FcResultMatch)
        face.pixelSize = pixelSize;
    return face;
}

// Runs the usual substitutions on a request and asks for the best font.
std::optional<CatalogFace> MatchPattern(FcPattern* request) {
    FcConfigSubstitute(Config(), request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(Config(), request, &result);
    std::optional<CatalogFace> face;
    if (match) {
        face = FaceFromPattern(match);
        FcPatternDestroy(match);
    }
    return face;
}

int SizeKey(double pixelSize) {
    return static_cast<int>(std::lround(pixelSize * 64));
}

} // namespace

std::optional<CatalogFace> CatalogMatch(const std::string& family, int weight, bool italic,
                                        double pixelSize) {
    std::lock_guard lock(CatalogMutex());
    using Key = std::tuple<std::string, int, bool, int>;
    static std::map<Key, std::optional<CatalogFace>> cache;
    const Key key{family, weight, italic, SizeKey(pixelSize)};
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    FcPattern* request = FcPatternCreate();
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(request, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(request, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddDouble(request, FC_PIXEL_SIZE, pixelSize);
    std::optional<CatalogFace> face = MatchPattern(request);
    FcPatternDestroy(request);
    cache.emplace(key, face);
    return face;
}

std::optional<CatalogFace> CatalogMatchLanguage(const char* language, double pixelSize) {
    std::lock_guard lock(CatalogMutex());
    static std::map<std::pair<std::string, int>, std::optional<CatalogFace>> cache;
    const auto key = std::make_pair(std::string(language), SizeKey(pixelSize));
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    FcPattern* request = FcPatternCreate();
    FcLangSet* langs = FcLangSetCreate();
    FcLangSetAdd(langs, reinterpret_cast<const FcChar8*>(language));
    FcPatternAddLangSet(request, FC_LANG, langs);
    FcLangSetDestroy(langs);
    FcPatternAddDouble(request, FC_PIXEL_SIZE, pixelSize);
    std::optional<CatalogFace> face = MatchPattern(request);
    FcPatternDestroy(request);
    cache.emplace(key, face);
    return face;
}

namespace {

// Every scalable face with its character coverage, in fontconfig's order of preference for plain text.
struct CoverageEntry {
    CatalogFace face;
    FcCharSet* chars;
};

const std::vector<CoverageEntry>& CoverageList() {
    static const std::vector<CoverageEntry> list = [] {
        std::vector<CoverageEntry> entries;
        FcPattern* request = FcPatternCreate();
        FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
        FcPatternAddDouble(request, FC_PIXEL_SIZE, 12.0);
        FcConfigSubstitute(Config(), request, FcMatchPattern);
        FcDefaultSubstitute(request);
        FcResult result = FcResultNoMatch;
        FcFontSet* sorted = FcFontSort(Config(), request, FcFalse, nullptr, &result);
        for (int i = 0; sorted && i < sorted->nfont; ++i) {
            FcCharSet* chars = nullptr;
            FcBool scalable = FcFalse;
            if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &chars) != FcResultMatch ||
                FcPatternGetBool(sorted->fonts[i], FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable)
                continue;
            if (auto face = FaceFromPattern(sorted->fonts[i]))
                entries.push_back({*face, FcCharSetCopy(chars)});
        }
        if (sorted) FcFontSetDestroy(sorted);
        FcPatternDestroy(request);
        return entries;
    }();
    return list;
}

} // namespace

std::optional<CatalogFace> CatalogMatchCharacter(char32_t cp) {
    std::lock_guard lock(CatalogMutex());
    for (const CoverageEntry& entry : CoverageList())
        if (FcCharSetHasChar(entry.chars, cp)) return entry.face;
    return std::nullopt;
}

const std::vector<CatalogFace>& CatalogFaces() {
    std::lock_guard lock(CatalogMutex());
    static std::vector<CatalogFace> faces;
    static bool listed = false;
    if (listed) return faces;
    listed = true;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT,
                                            FC_WIDTH, FC_SCALABLE, FC_PIXEL_SIZE, nullptr);
    FcFontSet* set = FcFontList(Config(), all, objects);
    for (int i = 0; set && i < set->nfont; ++i)
        if (auto face = FaceFromPattern(set->fonts[i])) faces.push_back(*face);
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    return faces;
}

} // namespace win
