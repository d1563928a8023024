// The parser is lenient where a material file must not be: what it lets pass would be kept as
// text, cut at a NUL or dropped, and the file would change its meaning or its content on the next
// save. The markup scan (MarkupScanner.h) and the character pass find what it lets pass.

#include "tavo/outside/WellFormedness.h"

#include "tavo/outside/MarkupScanner.h"
#include "tavo/outside/TextCharacters.h"

MarkupFaults ScanMarkup(std::string_view text)
{
  markup_scan::NullListener none;
  return markup_scan::Scanner(text, none).Run();
}

std::optional<TextFault> FirstWellFormednessFault(const TextCharacters& characters, MarkupFaults markup)
{
  // The earlier of the two is reported, and at the same place the control character rather than
  // the markup that it breaks; a character counts only when it ends by the markup's fault.
  const std::optional<TextFault>& character = characters.forbidden;
  if (character && (!markup.fault || character->offset + characters.forbiddenLength <= markup.fault->offset + 1))
    return character;
  return std::move(markup.fault);
}
