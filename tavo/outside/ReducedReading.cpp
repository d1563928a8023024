// The reduced reading runs the same checks as the full one (characters, markup, repeated
// attributes) in one scan and adds what only the parser would judge: end tags that match their
// start tags, names that start as names must, a root element that is closed. Whatever it does not
// follow makes it give up rather than guess.

#include "tavo/outside/ReducedReading.h"

#include "tavo/outside/DocumentReader.h"
#include "tavo/outside/MarkupScanner.h"
#include "tavo/outside/TextCharacters.h"

#include <csignal>
#include <cstdint>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Letters, "_", ":" and every byte of a multi-byte character may start a name.
bool StartsName(std::string_view name)
{
  const auto c = static_cast<unsigned char>(name.front());
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
}

class Reducer {
 public:
  Reducer(std::string_view text, const char* attribute, const DecideKeep& decide)
      : m_text(text), m_attribute(attribute), m_decide(decide)
  {
  }

  void StartTag(std::size_t start, std::string_view tag)
  {
    if (!m_rootSeen) {
      m_rootSeen = true;
      m_out.assign(m_text.substr(0, start));  // the prolog as it stands
    }
    m_unsure |= !StartsName(tag);
    m_start = start;
    m_tag = tag;
    m_value = {};
  }
  void Attribute(std::string_view name, std::string_view value)
  {
    m_unsure |= !StartsName(name);
    if (name == m_attribute)
      m_value = value;
  }
  void StartTagEnd(std::size_t end, bool empty)
  {
    KeepElement keep = KeepElement::kWithChildren;  // the root
    if (!m_open.empty())
      keep = m_open.back().keep == KeepElement::kWithChildren ? m_decide(m_open.size(), m_tag, m_value)
                                                              : KeepElement::kNot;
    if (keep != KeepElement::kNot)
      m_out.append(m_text.substr(m_start, end - m_start));
    if (!empty)
      m_open.push_back({m_tag, keep});
  }
  void EndTag(std::size_t start, std::string_view tag, std::size_t end)
  {
    if (m_open.empty() || m_open.back().tag != tag) {
      m_unsure = true;
      return;
    }
    if (m_open.back().keep != KeepElement::kNot)
      m_out.append(m_text.substr(start, end - start));
    m_open.pop_back();
  }
  // Only the prolog, which is kept as it stands, may hold these.
  void Special(std::size_t) { m_unsure |= m_rootSeen; }

  std::optional<std::string> Result()
  {
    if (m_unsure || !m_rootSeen || !m_open.empty())
      return std::nullopt;
    return std::move(m_out);
  }

 private:
  struct Open {
    std::string_view tag;
    KeepElement keep;
  };

  std::string_view m_text;
  std::string_view m_attribute;
  const DecideKeep& m_decide;
  std::string m_out;
  std::vector<Open> m_open;  // the elements open at the scan's place, the root first
  std::size_t m_start = 0;   // of the start tag being read
  std::string_view m_tag, m_value;
  bool m_rootSeen = false;
  bool m_unsure = false;
};

// Maps a regular file for reading; unmaps when it goes. Mapped rather than read: a read costs
// the faults and the zeroing of a fresh buffer as large as the file, more than the scan. Our own
// saves replace a file by renaming, which leaves a mapping intact; a writer that cuts the very
// file short in place while it is scanned is met by CutShortGivesWay.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path)
  {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
      return;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
      m_size = static_cast<std::size_t>(status.st_size);
      void* data = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
      m_data = data == MAP_FAILED ? nullptr : static_cast<const char*>(data);
      if (m_data)
        ::madvise(const_cast<char*>(m_data), m_size, MADV_SEQUENTIAL);
    }
    ::close(fd);
  }
  ~MappedFile()
  {
    if (m_data)
      ::munmap(const_cast<char*>(m_data), m_size);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // Empty when the file could not be mapped.
  std::optional<std::string_view> Bytes() const
  {
    return m_data ? std::optional<std::string_view>(std::string_view(m_data, m_size)) : std::nullopt;
  }

 private:
  const char* m_data = nullptr;
  std::size_t m_size = 0;
};

// While it lives, a page of a mapping that faults because its file was cut short is replaced by a
// page of zeros, so the scan runs to its end, and the reading is told to give way to the whole one.
class CutShortGivesWay {
 public:
  CutShortGivesWay()
  {
    s_pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    s_cutShort = 0;
    struct sigaction action {};
    action.sa_sigaction = &OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &m_before);
  }
  ~CutShortGivesWay() { ::sigaction(SIGBUS, &m_before, nullptr); }
  CutShortGivesWay(const CutShortGivesWay&) = delete;
  CutShortGivesWay& operator=(const CutShortGivesWay&) = delete;

  bool CutShort() const { return s_cutShort != 0; }

 private:
  static void OnBusError(int, siginfo_t* info, void*)
  {
    void* page = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(info->si_addr) & ~(s_pageSize - 1));
    if (::mmap(page, s_pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) == MAP_FAILED)
      ::_exit(3);
    s_cutShort = 1;
  }

  static inline std::uintptr_t s_pageSize = 4096;
  static inline volatile std::sig_atomic_t s_cutShort = 0;
  struct sigaction m_before {};
};

}  // namespace

std::optional<std::string> ReduceDocumentText(std::string_view bytes, const char* attribute, const DecideKeep& decide)
{
  if (!ReadsAsItStands(bytes))
    return std::nullopt;
  const TextCharacters characters = ScanTextCharacters(bytes);
  if (characters.invalidUtf8 != std::string_view::npos)
    return std::nullopt;
  Reducer reducer(bytes, attribute, decide);
  MarkupFaults markup = markup_scan::Scanner(bytes, reducer).Run();
  if (markup.repeatedAttribute != std::string_view::npos || FirstWellFormednessFault(characters, std::move(markup)))
    return std::nullopt;
  return reducer.Result();
}

std::optional<std::string> ReduceDocumentFile(const std::string& path, const char* attribute, const DecideKeep& decide)
{
  const MappedFile file(path);
  const std::optional<std::string_view> bytes = file.Bytes();
  if (!bytes)
    return std::nullopt;
  const CutShortGivesWay guard;
  std::optional<std::string> reduced = ReduceDocumentText(*bytes, attribute, decide);
  return guard.CutShort() ? std::nullopt : std::move(reduced);
}
