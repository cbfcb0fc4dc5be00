#include "BenchParsers.h"

#include <cstring>

#include <expat.h>
#include <libxml/parser.h>
#include <pugixml.hpp>
#include <rapidxml/rapidxml.hpp>
#include <tinyxml2.h>

#include "xml/XmlDocument.h"

namespace {

// Parsers that write into their input get a fresh copy for every load, made inside the timed
// load, into a buffer kept between loads.
class CCopyBuffer {
public:
    char* Fill(const std::string& text) {
        m_buffer.resize(text.size() + 1);
        std::memcpy(m_buffer.data(), text.c_str(), text.size() + 1);
        return m_buffer.data();
    }

private:
    std::vector<char> m_buffer;
};

class CZelvo final : public IBenchParser {
public:
    const char* Name() const override { return "zelvo"; }
    bool Load(const std::string& text) override {
        m_doc.Load(text);
        return m_doc.GetElementCount() > 1;
    }
    bool CopiesText() const override { return true; }

private:
    CXmlDocument m_doc;
};

class CPugi final : public IBenchParser {
public:
    const char* Name() const override { return "pugixml"; }
    bool Load(const std::string& text) override { return m_doc.load_buffer(text.data(), text.size()); }
    bool CopiesText() const override { return true; }

private:
    pugi::xml_document m_doc;
};

class CPugiMinimalInPlace final : public IBenchParser {
public:
    const char* Name() const override { return "pugixml_minimal_inplace"; }
    bool Load(const std::string& text) override {
        return m_doc.load_buffer_inplace(m_copy.Fill(text), text.size(), pugi::parse_minimal);
    }
    bool CopiesText() const override { return false; }

private:
    pugi::xml_document m_doc;
    CCopyBuffer m_copy;
};

template <int Flags>
class CRapid final : public IBenchParser {
public:
    explicit CRapid(const char* name) : m_name(name) {}
    const char* Name() const override { return m_name; }
    bool Load(const std::string& text) override {
        // Non-destructive parsing leaves the text alone: no copy needed.
        char* input = (Flags & rapidxml::parse_non_destructive) ? const_cast<char*>(text.c_str()) : m_copy.Fill(text);
        try {
            m_doc.clear();
            m_doc.template parse<Flags>(input);
        } catch (const rapidxml::parse_error&) {
            return false;
        }
        return true;
    }
    bool CopiesText() const override { return false; }

private:
    const char* m_name;
    rapidxml::xml_document<> m_doc;
    CCopyBuffer m_copy;
};

class CTinyXml2 final : public IBenchParser {
public:
    const char* Name() const override { return "tinyxml2"; }
    bool Load(const std::string& text) override {
        return m_doc.Parse(text.data(), text.size()) == tinyxml2::XML_SUCCESS;
    }
    bool CopiesText() const override { return true; }

private:
    tinyxml2::XMLDocument m_doc;
};

class CExpat final : public IBenchParser {
public:
    CExpat() : m_parser(XML_ParserCreate(nullptr)) {}
    ~CExpat() override { XML_ParserFree(m_parser); }
    const char* Name() const override { return "expat"; }
    bool Load(const std::string& text) override {
        XML_ParserReset(m_parser, nullptr);
        XML_SetElementHandler(m_parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
        XML_SetCharacterDataHandler(m_parser, [](void*, const XML_Char*, int) {});
        return XML_Parse(m_parser, text.data(), static_cast<int>(text.size()), 1) == XML_STATUS_OK;
    }
    bool CopiesText() const override { return false; }

private:
    XML_Parser m_parser;
};

class CLibXml2 final : public IBenchParser {
public:
    ~CLibXml2() override { xmlFreeDoc(m_doc); }
    const char* Name() const override { return "libxml2"; }
    bool Load(const std::string& text) override {
        xmlFreeDoc(m_doc);
        // XML_PARSE_HUGE lifts the nesting limit of 256 for the deep document.
        m_doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "bench.xml", nullptr,
                              XML_PARSE_HUGE | XML_PARSE_NONET);
        return m_doc != nullptr;
    }
    bool CopiesText() const override { return false; }

private:
    xmlDocPtr m_doc = nullptr;
};

}  // namespace

std::vector<std::unique_ptr<IBenchParser>> MakeBenchParsers() {
    std::vector<std::unique_ptr<IBenchParser>> parsers;
    parsers.push_back(std::make_unique<CZelvo>());
    parsers.push_back(std::make_unique<CPugi>());
    parsers.push_back(std::make_unique<CPugiMinimalInPlace>());
    parsers.push_back(std::make_unique<CRapid<rapidxml::parse_fastest>>("rapidxml_fastest"));
    parsers.push_back(std::make_unique<CRapid<rapidxml::parse_non_destructive>>("rapidxml_non_destructive"));
    parsers.push_back(std::make_unique<CTinyXml2>());
    parsers.push_back(std::make_unique<CExpat>());
    parsers.push_back(std::make_unique<CLibXml2>());
    return parsers;
}

std::unique_ptr<IBenchParser> MakeBenchParser(const std::string& name) {
    for (auto& parser : MakeBenchParsers())
        if (name == parser->Name()) return std::move(parser);
    return nullptr;
}
