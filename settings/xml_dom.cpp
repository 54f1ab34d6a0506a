#include "settings/xml_dom.h"

#include "runtime/bstr.h"
#include "runtime/com_error.h"
#include "runtime/exception.h"
#include "runtime/variant.h"

namespace zvk::xml {
namespace {

// The version-independent "Microsoft.XMLDOM" class; msxml2.h names "Msxml2.DOMDocument" instead.
constexpr CLSID kClsidDomDocument = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
// MinGW ships the interface but no library with its identifier.
constexpr IID kIidXmlDomDocument2 = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

// A VARIANT that lends the object for one call: it holds no reference of its own and needs no clearing.
VARIANT Lent(IUnknown* object) {
    VARIANT lent;
    VariantInit(&lent);
    V_VT(&lent) = VT_UNKNOWN;
    V_UNKNOWN(&lent) = object;
    return lent;
}

ComPtr<IStream> NewMemoryStream() {
    ComPtr<IStream> stream;
    OleCheck(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    return stream;
}

// S_FALSE with no result is how the DOM says "none".
template <class T> ComPtr<T> Required(HRESULT status, ComPtr<T> result, const char* what) {
    OleCheck(status);
    if (!result)
        throw Exception(what);
    return result;
}

} // namespace

ComPtr<IXMLDOMDocument> NewDocument() {
    ComPtr<IXMLDOMDocument> document;
    OleCheck(CoCreateInstance(kClsidDomDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                              reinterpret_cast<void**>(document.put())));
    OleCheck(document->put_async(VARIANT_FALSE));
    return document;
}

void RefuseDtds(IXMLDOMDocument* document) {
    document->put_resolveExternals(VARIANT_FALSE);
    document->put_validateOnParse(VARIANT_FALSE);
    IXMLDOMDocument2* raw = nullptr;
    if (SUCCEEDED(document->QueryInterface(kIidXmlDomDocument2, reinterpret_cast<void**>(&raw)))) {
        const auto document2 = ComPtr<IXMLDOMDocument2>::Adopt(raw);
        const Bstr name(L"ProhibitDTD");
        document2->setProperty(name.get(), Variant::FromBool(true).get());
    }
}

bool DocumentHasDtd(IXMLDOMDocument* document) {
    ComPtr<IXMLDOMDocumentType> doctype;
    return SUCCEEDED(document->get_doctype(doctype.put())) && doctype;
}

void LoadBytes(IXMLDOMDocument* document, const std::string& bytes) {
    const ComPtr<IStream> stream = NewMemoryStream();
    ULONG written = 0;
    OleCheck(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written));
    if (written != bytes.size())
        throw Exception("the XML bytes do not fit in memory");
    OleCheck(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
    VARIANT_BOOL parsed = VARIANT_FALSE;
    OleCheck(document->load(Lent(stream.get()), &parsed));
    if (parsed != VARIANT_TRUE)
        throw Exception("the XML file does not parse");
}

void LoadText(IXMLDOMDocument* document, const std::wstring& text) {
    const Bstr xml(text);
    VARIANT_BOOL parsed = VARIANT_FALSE;
    OleCheck(document->loadXML(xml.get(), &parsed));
    if (parsed != VARIANT_TRUE)
        throw Exception("the XML text does not parse");
}

std::string SaveBytes(IXMLDOMDocument* document) {
    const ComPtr<IStream> stream = NewMemoryStream();
    const HRESULT status = document->save(Lent(stream.get()));
    OleCheck(status);
    if (status != S_OK) // Wine's answer when the serialiser stopped part-way
        throw Exception("the XML document was not written whole");
    STATSTG stat{};
    OleCheck(stream->Stat(&stat, STATFLAG_NONAME));
    if (stat.cbSize.QuadPart > MAXDWORD)
        throw Exception("the XML document is too large");
    std::string bytes(static_cast<std::size_t>(stat.cbSize.QuadPart), '\0');
    OleCheck(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr));
    ULONG read = 0;
    OleCheck(stream->Read(&bytes[0], static_cast<ULONG>(bytes.size()), &read));
    if (read != bytes.size())
        throw Exception("the XML document could not be read back");
    return bytes;
}

ComPtr<IXMLDOMElement> DocumentElement(IXMLDOMDocument* document) {
    ComPtr<IXMLDOMElement> root;
    const HRESULT status = document->get_documentElement(root.put());
    return Required(status, std::move(root), "the XML document has no root element");
}

ComPtr<IXMLDOMNode> SelectSingleNode(IXMLDOMNode* context, const std::wstring& query) {
    const Bstr pattern(query);
    ComPtr<IXMLDOMNode> node;
    const HRESULT status = context->selectSingleNode(pattern.get(), node.put());
    return Required(status, std::move(node), "no XML node matches");
}

ComPtr<IXMLDOMNode> FirstChild(IXMLDOMNode* node) {
    ComPtr<IXMLDOMNode> child;
    OleCheck(node->get_firstChild(child.put()));
    return child;
}

ComPtr<IXMLDOMNode> NextSibling(IXMLDOMNode* node) {
    ComPtr<IXMLDOMNode> sibling;
    OleCheck(node->get_nextSibling(sibling.put()));
    return sibling;
}

std::wstring NodeName(IXMLDOMNode* node) {
    Bstr name;
    OleCheck(node->get_nodeName(name.put()));
    return name.str();
}

std::wstring Text(IXMLDOMNode* node) {
    Bstr text;
    OleCheck(node->get_text(text.put()));
    return text.str();
}

ComPtr<IXMLDOMNode> NamedAttribute(IXMLDOMNode* node, const std::wstring& name) {
    ComPtr<IXMLDOMNamedNodeMap> attributes;
    HRESULT status = node->get_attributes(attributes.put());
    attributes = Required(status, std::move(attributes), "the XML node has no attributes");
    const Bstr attributeName(name);
    ComPtr<IXMLDOMNode> attribute;
    status = attributes->getNamedItem(attributeName.get(), attribute.put());
    return Required(status, std::move(attribute), "the XML element lacks an attribute");
}

ComPtr<IXMLDOMElement> CreateElement(IXMLDOMDocument* document, const std::wstring& name) {
    const Bstr tag(name);
    ComPtr<IXMLDOMElement> element;
    const HRESULT status = document->createElement(tag.get(), element.put());
    return Required(status, std::move(element), "no XML element created");
}

ComPtr<IXMLDOMText> CreateTextNode(IXMLDOMDocument* document, const std::wstring& text) {
    const Bstr data(text);
    ComPtr<IXMLDOMText> node;
    const HRESULT status = document->createTextNode(data.get(), node.put());
    return Required(status, std::move(node), "no XML text node created");
}

ComPtr<IXMLDOMAttribute> CreateAttribute(IXMLDOMDocument* document, const std::wstring& name) {
    const Bstr attributeName(name);
    ComPtr<IXMLDOMAttribute> attribute;
    const HRESULT status = document->createAttribute(attributeName.get(), attribute.put());
    return Required(status, std::move(attribute), "no XML attribute created");
}

void SetValue(IXMLDOMAttribute* attribute, const std::wstring& value) {
    OleCheck(attribute->put_value(Variant::FromText(value).get()));
}

void SetAttributeNode(IXMLDOMElement* element, IXMLDOMAttribute* attribute) {
    ComPtr<IXMLDOMAttribute> replaced;
    OleCheck(element->setAttributeNode(attribute, replaced.put()));
}

void AppendChild(IXMLDOMNode* parent, IXMLDOMNode* child) {
    ComPtr<IXMLDOMNode> appended;
    OleCheck(parent->appendChild(child, appended.put()));
}

} // namespace zvk::xml
