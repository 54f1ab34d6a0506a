// The few MSXML DOM calls the settings store makes. Each throws zvk::EOleError when the call reports
// failure, and zvk::Exception when an expected node is absent, so that a caller handles both in one place.
#pragma once
#include <windows.h>
#include <msxml2.h>
#include <string>

#include "runtime/com_ptr.h"

namespace zvk::xml {

// A fresh DOMDocument that parses synchronously.
ComPtr<IXMLDOMDocument> NewDocument();

// Keeps DTDs from reaching the parser where the DOM allows it: ProhibitDTD where offered, no external
// entities or validation. Failures are ignored; DocumentHasDtd catches the rest after parsing.
void RefuseDtds(IXMLDOMDocument* document);
bool DocumentHasDtd(IXMLDOMDocument* document);

// Parses the bytes of a file (its encoding as declared or detected) or a text; throws when they are not
// well-formed.
void LoadBytes(IXMLDOMDocument* document, const std::string& bytes);
void LoadText(IXMLDOMDocument* document, const std::wstring& text);
// The document serialised as a file would hold it; throws unless the whole document was written.
std::string SaveBytes(IXMLDOMDocument* document);

ComPtr<IXMLDOMElement> DocumentElement(IXMLDOMDocument* document);
ComPtr<IXMLDOMNode> SelectSingleNode(IXMLDOMNode* context, const std::wstring& query);
// The node's first child, and the node after a node among its parent's children; empty when there is none.
// Walking these is linear where indexing a child list can cost a walk from the first child per item.
ComPtr<IXMLDOMNode> FirstChild(IXMLDOMNode* node);
ComPtr<IXMLDOMNode> NextSibling(IXMLDOMNode* node);

std::wstring NodeName(IXMLDOMNode* node);
// An element's text content, or an attribute's value.
std::wstring Text(IXMLDOMNode* node);
// Throws for a node that has no attribute map (not an element) or lacks the attribute.
ComPtr<IXMLDOMNode> NamedAttribute(IXMLDOMNode* node, const std::wstring& name);

ComPtr<IXMLDOMElement> CreateElement(IXMLDOMDocument* document, const std::wstring& name);
ComPtr<IXMLDOMText> CreateTextNode(IXMLDOMDocument* document, const std::wstring& text);
ComPtr<IXMLDOMAttribute> CreateAttribute(IXMLDOMDocument* document, const std::wstring& name);
void SetValue(IXMLDOMAttribute* attribute, const std::wstring& value);
void SetAttributeNode(IXMLDOMElement* element, IXMLDOMAttribute* attribute);
void AppendChild(IXMLDOMNode* parent, IXMLDOMNode* child);

} // namespace zvk::xml
