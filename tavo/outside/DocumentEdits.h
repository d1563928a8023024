#pragma once
// The changes of a document's tree. Each keeps the child indexes and the handles current and is
// recorded in the document's journal, and the journal replays through the same steps.

#include "tavo/outside/DocumentStore.h"

#include <cstddef>

// Sets the attribute, creating it after the others when missing. Setting the text it already has
// changes nothing and records nothing.
void SetAttribute(Document& document, pugi::xml_node element, const char* name, const char* text);
// Removes the attribute when the element has it.
void RemoveAttribute(Document& document, pugi::xml_node element, const char* name);
// Records `node`, which was just put into the tree, and tells the parent's indexes.
void NodeInserted(Document& document, pugi::xml_node node);
// Takes the node with its subtree out of the tree: its handles become inert, the journal keeps a
// copy.
void RemoveNode(Document& document, pugi::xml_node node);

// Undoes the journal's entries backwards, or redoes them forwards, until the first `position`
// hold. False (nothing done) when the journal has fewer entries.
bool MoveJournalTo(Document& document, std::size_t position);
