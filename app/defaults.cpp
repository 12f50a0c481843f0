#include "app/defaults.h"

#include "storage/inifile.h"

void WriteDefaultCatalogue(const std::string& path) {
    static const char* const categories[] = {
        "New Channels", "Business News", "Educational", "Entertainment", "Government",
        "Sports",       "Kids",          "Lifestyle",   "Movies",        "Music",
        "News (Live)",  "News (Vod)",    "Weather",     "Shopping",      "Webcam Streams",
    };
    TIniFile ini(path);
    for (const char* name : categories) ini.WriteEntry("Layer1", name, "");
}

void WriteDefaultPromotions(const std::string& path) {
    static const char* const kPcTv = "http://pctv.kelvora-partners.example";
    static const char* const kFilms = "http://films.kelvora-partners.example";
    static const char* const kCinema = "http://cinema.kelvora-partners.example";
    static const struct {
        const char* label;
        const char* link;
    } writes[] = {
        {"Watch TV on Your PC", kPcTv},
        {"Free Movies Online", kFilms},
        {"Live Sports Anywhere", kFilms},
        {"HD Films on Demand", kFilms},
        {"Your PC Is Your TV", kPcTv},
        {"Stream 1000+ Channels", kPcTv},
        {"Cinema at Home Tonight", kCinema},
        {"Watch TV on Your PC", kPcTv},  // the first entry again: changes nothing
    };
    TIniFile ini(path);
    for (const auto& w : writes) ini.WriteEntry("VizID ADS", w.label, w.link);
}
