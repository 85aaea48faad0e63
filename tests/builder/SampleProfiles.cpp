#include "tests/builder/SampleProfiles.h"

namespace builder {

namespace {

const std::uint8_t MailKind = 0x10;

Profile familyProfile() {
  return Profile{"Jo Smith",
                 {favoritePlaces({
                      folder("Weather", {favorite("National Forecast", "http://weather.example.com/"),
                                         favorite("Local Radar", "http://radar.example.org/local?zip=20001")}),
                      folder("News", {favorite("Morning Headlines", "http://news.example.com/"),
                                      favorite("Tech Today", "http://tech.example.net/today")}),
                      favorite("Recipes", "aol://1722:recipes"),
                      favorite("Smith Family Photos", "http://photos.example.com/smith-family/"),
                  }),
                  topFolder("Mail Waiting to Be Sent", MailKind, {})}};
}

Profile kidsProfile() {
  return Profile{
      "KidsZone42",
      {favoritePlaces({
          folder("Homework Help", {favorite("Math Practice", "http://math.example.edu/practice"),
                                   favorite("Spelling Bee", "http://words.example.edu/bee"),
                                   folder("Science", {favorite("Volcanoes", "http://science.example.edu/volcanoes"),
                                                      favorite("Planets", "http://science.example.edu/planets")})}),
          folder("Games", {favorite("Puzzle Corner", "http://games.example.com/puzzles")}),
      })}};
}

// Titles with characters that Windows refuses in file names.
Profile travelProfile() {
  return Profile{"Travel Desk",
                 {favoritePlaces({
                     folder("Airlines", {favorite("Flight Status?", "http://flights.example.com/status"),
                                         favorite("Seat Maps", "http://seats.example.com/")}),
                     folder("Hotels", {favorite("City Inns <Downtown>", "http://inns.example.net/downtown")}),
                     favorite("Maps: Europe / Asia", "http://maps.example.org/eurasia"),
                     favorite("Currency \"Live\" Rates", "http://rates.example.com/live"),
                 })}};
}

DWORD writeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD written = 0;
  DWORD error = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) error = GetLastError();
  if (!CloseHandle(file) && error == 0) error = GetLastError();
  return error;
}

}  // namespace

const char SampleOtherFile[] = "toolbar.dat";

std::vector<SampleProfile> sampleProfiles() {
  return {{"josmith", familyProfile()}, {"kidszone42", kidsProfile()}, {"traveldesk", travelProfile()}};
}

DWORD writeSampleProfiles(const std::string& folder) {
  std::string directory = folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
  for (const SampleProfile& sample : sampleProfiles()) {
    if (DWORD error = writeFile(directory + sample.fileName, OrganizeFile(sample.profile).bytes())) return error;
  }
  return writeFile(directory + SampleOtherFile, "This is not an organize file.\r\n");
}

}  // namespace builder
