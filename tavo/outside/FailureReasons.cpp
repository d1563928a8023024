#include "tavo/outside/FailureReasons.h"

#include "tavo/outside/VBT.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <locale.h>
#endif

namespace {

using Reason = std::pair<std::string, std::string>;  // English as given, German as shown

// The system's reasons, by error number: matched in the C library's English and in the text it
// gives in the user's locale, whichever the message holds.
const std::pair<int, const char*> kSystemReasons[] = {
    {ENOENT, "Datei oder Ordner nicht gefunden"},
    {EACCES, "Zugriff verweigert"},
    {EPERM, "Vorgang nicht erlaubt"},
    {ENOSPC, "Kein Platz mehr auf dem Datenträger"},
    {EDQUOT, "Speicherkontingent überschritten"},
    {EROFS, "Der Datenträger ist schreibgeschützt"},
    {EISDIR, "Das ist ein Ordner"},
    {ENOTDIR, "Ein Teil des Pfades ist kein Ordner"},
    {ENAMETOOLONG, "Der Dateiname ist zu lang"},
    {EMFILE, "Zu viele offene Dateien"},
    {EIO, "Ein-/Ausgabefehler"},
    {EFBIG, "Die Datei ist zu groß"},
    {ENOMEM, "Nicht genug Speicher"},
    {EBUSY, "Das Gerät oder die Datei ist belegt"},
    {EXDEV, "Ungültige Verknüpfung über Gerätegrenzen"},
};

// The XML parser's reasons, by its status.
const std::pair<pugi::xml_parse_status, const char*> kParserReasons[] = {
    {pugi::status_file_not_found, "Datei nicht gefunden"},
    {pugi::status_io_error, "Fehler beim Lesen der Datei"},
    {pugi::status_out_of_memory, "Nicht genug Speicher"},
    {pugi::status_internal_error, "Interner Fehler"},
    {pugi::status_unrecognized_tag, "Unbekannte Auszeichnung nach '<'"},
    {pugi::status_bad_pi, "Fehler in einer Verarbeitungsanweisung oder der XML-Deklaration"},
    {pugi::status_bad_comment, "Fehler in einem Kommentar"},
    {pugi::status_bad_cdata, "Fehler in einem CDATA-Abschnitt"},
    {pugi::status_bad_doctype, "Fehler in der Dokumenttyp-Deklaration"},
    {pugi::status_bad_pcdata, "Fehler im Text eines Elements"},
    {pugi::status_bad_start_element, "Fehler im Anfangs-Tag eines Elements"},
    {pugi::status_bad_attribute, "Fehler in einem Attribut eines Elements"},
    {pugi::status_bad_end_element, "Fehler im End-Tag eines Elements"},
    {pugi::status_end_element_mismatch, "End-Tag passt nicht zum Anfangs-Tag"},
    {pugi::status_no_document_element, "Kein Wurzelelement gefunden"},
};

// The document library's own reasons.
const Reason kLibraryReasons[] = {
    {"the file does not exist", "die Datei existiert nicht"},
    {"the file holds no root element", "die Datei enthält kein Wurzelelement"},
    {"more than one root element", "mehr als ein Wurzelelement"},
    {"an attribute is given twice", "ein Attribut ist doppelt angegeben"},
    {"the file is not valid UTF-8 text", "die Datei ist kein gültiger UTF-8-Text"},
    {"not enough memory to read the file", "nicht genug Speicher, um die Datei zu lesen"},
    {"the document is not open", "das Dokument ist nicht geöffnet"},
    {"the new content could not replace the file", "der neue Inhalt konnte die Datei nicht ersetzen"},
    {"cannot be written", "kann nicht geschrieben werden"},
    {"writing failed", "das Schreiben ist fehlgeschlagen"},
};

std::string SystemText(int error, bool english)
{
#ifdef _WIN32
  (void)english;
  return std::strerror(error);
#else
  if (!english)
    return std::strerror(error);
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return classic ? strerror_l(error, classic) : std::strerror(error);
#endif
}

// Every known reason, longest first, so that a reason that contains another wins.
std::vector<Reason> KnownReasons()
{
  std::vector<Reason> reasons(std::begin(kLibraryReasons), std::end(kLibraryReasons));
  for (const auto& [error, german] : kSystemReasons)
    for (bool english : {true, false})
      reasons.emplace_back(SystemText(error, english), german);
  for (const auto& [status, german] : kParserReasons) {
    pugi::xml_parse_result result;
    result.status = status;
    reasons.emplace_back(result.description(), german);
  }
  std::stable_sort(reasons.begin(), reasons.end(),
                   [](const Reason& a, const Reason& b) { return a.first.size() > b.first.size(); });
  return reasons;
}

}  // namespace

std::vector<std::string> VBT_ReasonTexts()
{
  std::vector<std::string> texts;
  for (const Reason& reason : KnownReasons())
    if (std::find(texts.begin(), texts.end(), reason.second) == texts.end())
      texts.push_back(reason.second);
  return texts;
}

std::string VBT_TranslateReasons(const std::string& message)
{
  // Found in the message as given, longest first, without overlaps, then replaced from the back,
  // so that a replacement is never read again as a reason. Built per call: the locale may have
  // changed, and such messages are rare.
  struct Match {
    std::size_t at, length;
    std::string german;
  };
  std::vector<Match> matches;
  for (const auto& [english, german] : KnownReasons()) {
    const std::size_t at = english.empty() ? std::string::npos : message.find(english);
    const std::size_t length = english.size();
    const bool overlaps = std::any_of(matches.begin(), matches.end(),
                                      [&](const Match& m) { return at < m.at + m.length && m.at < at + length; });
    if (at != std::string::npos && !overlaps)
      matches.push_back({at, english.size(), german});
  }
  std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) { return a.at > b.at; });
  std::string result = message;
  for (const Match& match : matches)
    result.replace(match.at, match.length, VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", match.german));
  return result;
}
