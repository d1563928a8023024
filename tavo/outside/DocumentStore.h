#pragma once
// The open documents and the handles that name their elements.

#include "tavo/outside/ChildIndexes.h"
#include "tavo/outside/DiskState.h"
#include "tavo/outside/DocumentJournal.h"
#include "tavo/outside/QODOM.h"

#include <pugixml.hpp>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct Document {
  QODOM_DOCUMENT id = 0;
  std::string path;
  pugi::xml_document xml;
  bool writeBom = false;                // the file began with a UTF-8 byte-order mark
  bool finalNewline = true;             // the file ended with a line break
  std::vector<std::size_t> lineStarts;  // offsets of the lines of the parsed text, for line numbers
  DiskState onDisk;                     // the file as last read or written; "missing" for a new document
  // The text the tree was parsed from (UTF-8, without a byte-order mark), which a save patches.
  // Taken from the file at the first save, as long as the file still holds it, so that opening
  // a file does not hold it twice; a document parsed from memory has it from the start.
  std::optional<std::string> original;
  bool originalOnDisk = false;  // the file held that text when it was read, and no save has been made since
  std::unordered_map<pugi::xml_node_struct*, QODOM_ELEMENT> handles;
  ChildIndexes indexes;     // finds by attribute among many siblings
  DocumentJournal journal;  // every change since it was opened, for undo and review
};

// A live handle's document and element, found with one look-up.
struct LocatedElement {
  Document* document = nullptr;
  pugi::xml_node node;
  explicit operator bool() const { return document != nullptr; }
};

class DocumentStore {
 public:
  static DocumentStore& Instance();

  // Takes the document, gives it an id and returns the handle of its root element.
  QODOM_ELEMENT Add(std::unique_ptr<Document> document);
  // Closes the document; every handle of it becomes inert.
  void Remove(QODOM_DOCUMENT id);

  Document* FindDocument(QODOM_DOCUMENT id) const;
  // The element named by a live handle, or an empty node.
  pugi::xml_node Node(QODOM_ELEMENT element) const;
  Document* DocumentOf(QODOM_ELEMENT element) const;
  // Both at once; empty for 0 and dead handles.
  LocatedElement Locate(QODOM_ELEMENT element) const;
  // The handle of an element of `document`, made on first request; 0 for an empty node.
  QODOM_ELEMENT HandleOf(Document& document, pugi::xml_node node);
  // Makes the handles of the node and everything below it inert.
  void ForgetSubtree(Document& document, pugi::xml_node node);
  // Gives an inert handle back to the element it named, which an undo has put back as `node`.
  void Rebind(Document& document, QODOM_ELEMENT handle, pugi::xml_node node);

 private:
  struct Entry {
    Document* document = nullptr;  // null: the handle is inert
    pugi::xml_node_struct* node = nullptr;
  };

  const Entry* Find(QODOM_ELEMENT element) const;

  uint32_t m_nextDocument = 1;
  // By handle: handles are handed out in turn and never reused, so a vector names them without
  // hashing; slot 0 is the null handle.
  std::vector<Entry> m_elements{Entry{}};
  std::unordered_map<QODOM_DOCUMENT, std::unique_ptr<Document>> m_documents;
};
