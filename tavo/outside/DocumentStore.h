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
#include <unordered_set>
#include <vector>

// A handle is, as a rule, its element's address with the document's id above it, so that naming
// an element costs no table: bits 0-43 hold the node's address divided by 8 (nodes are
// pointer-aligned and user-space addresses lie below 2^47), bits 44-62 the document's id, and bit
// 63 is clear. Document ids are never reused, so a closed document's handles stay inert even where
// another document's nodes come to lie at their addresses. Within a document the parser's
// allocator hands out a freed node's address again once its whole page is free, so an address
// that ever held a deleted element is remembered: its address handle stays inert, and an element
// placed there later, like one whose address does not fit, is issued a handle with bit 63 set and
// a serial below. An undo that puts a deleted element back gives it its old handle although the
// copy lies elsewhere. These exceptions are empty until an element is deleted, and looked up only
// when not.
struct HandleExceptions {
  std::unordered_set<pugi::xml_node_struct*> deleted;                  // addresses of elements taken out of the tree
  std::unordered_map<pugi::xml_node_struct*, QODOM_ELEMENT> byNode;    // elements whose handle is not their address
  std::unordered_map<QODOM_ELEMENT, pugi::xml_node_struct*> byHandle;  // the same elements, by handle
  QODOM_ELEMENT issued = 0;                                            // serials given out
};

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
  HandleExceptions handles;
  ChildIndexes indexes;     // finds by attribute among many siblings
  DocumentJournal journal;  // every change since it was opened, for undo and review
  std::uint64_t edits = 0;  // the edit generation: every change of the tree counts it up
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

  // Takes the document, gives it an id and returns the handle of its root element; 0 once the
  // ids a handle can hold are used up (half a million documents in one process).
  QODOM_ELEMENT Add(std::unique_ptr<Document> document);
  // Closes the document; every handle of it becomes inert.
  void Remove(QODOM_DOCUMENT id);

  Document* FindDocument(QODOM_DOCUMENT id) const;
  // The element named by a live handle, or an empty node.
  pugi::xml_node Node(QODOM_ELEMENT element) const;
  Document* DocumentOf(QODOM_ELEMENT element) const;
  // Both at once; empty for 0 and dead handles.
  LocatedElement Locate(QODOM_ELEMENT element) const;
  // The handle of an element of `document`; 0 for an empty node.
  QODOM_ELEMENT HandleOf(Document& document, pugi::xml_node node);
  // Makes the handles of the node and everything below it inert.
  void ForgetSubtree(Document& document, pugi::xml_node node);
  // Gives an inert handle back to the element it named, which an undo has put back as `node`.
  void Rebind(Document& document, QODOM_ELEMENT handle, pugi::xml_node node);

 private:
  QODOM_ELEMENT Issue(Document& document, pugi::xml_node_struct* node);

  // By id: ids are handed out in turn and never reused; slot 0 is no document.
  std::vector<std::unique_ptr<Document>> m_documents = std::vector<std::unique_ptr<Document>>(1);
};
