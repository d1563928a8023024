#include "tavo/outside/VBT.h"

#include "tavo/shell/ProgramRootFolder.h"

#include <QSettings>
#include <QTranslator>

#include <cstdlib>
#include <memory>

namespace {

struct Catalogue {
  bool chosen = false;
  std::string language;
  std::unique_ptr<QTranslator> translator;
};

Catalogue& TheCatalogue()
{
  static Catalogue catalogue;
  return catalogue;
}

std::string ConfiguredLanguage()
{
  if (const char* language = std::getenv("TAVO_LANG"))
    return language;
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "QOR", "vantorplan");
  return settings.value("language").toString().toStdString();
}

void Choose(const std::string& requested, const std::string& folder)
{
  Catalogue& catalogue = TheCatalogue();
  catalogue.chosen = true;
  catalogue.translator.reset();
  catalogue.language = "de";
  const std::string language = requested.empty() ? ConfiguredLanguage() : requested;
  if (language.empty() || language == "de")
    return;
  const std::string where = folder.empty() ? NativePath(ProgramDataFolder() + "\\translations") : folder;
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(QString::fromStdString("tavo_" + language), QString::fromStdString(where))) {
    catalogue.translator = std::move(translator);
    catalogue.language = language;
  }
}

}  // namespace

void VBT_SetLanguage(const std::string& language, const std::string& folder)
{
  Choose(language, folder);
}

bool VBT_HasCatalogue()
{
  return TheCatalogue().translator != nullptr;
}

std::string VBT_Language()
{
  if (!TheCatalogue().chosen)
    Choose("", "");
  return TheCatalogue().language;
}

bool VBT_SpeaksGerman()
{
  return VBT_Language() == "de";
}

std::string VBT_Translate(const char*, const char*, const char* section, const std::string& text)
{
  Catalogue& catalogue = TheCatalogue();
  if (!catalogue.chosen)
    Choose("", "");
  if (!catalogue.translator || text.empty())
    return text;
  const QString translated = catalogue.translator->translate(section, text.c_str());
  return translated.isEmpty() ? text : translated.toStdString();
}
