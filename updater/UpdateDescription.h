#pragma once
// The texts the updater reads from its two XML documents: the update description received
// from the server and the installed configuration "OrvaneVoip.xml". One XML reader serves
// both; every query loads the text it needs first.
#include <string>

#include "xml/XmlDocument.h"

class CUpdateDescription {
public:
    // `leadBytes`: the double-byte lead bytes of the code page the documents are written in.
    explicit CUpdateDescription(const CXmlLeadBytes& leadBytes = CXmlLeadBytes()) : m_xml(leadBytes) {}

    // The description as received; kept for the whole run.
    void SetDescription(std::string text) { m_description = std::move(text); }

    std::string PatchVersion() { return DescriptionChild("patchVersion"); }
    std::string PatchName() { return DescriptionChild("patchname"); }
    // As atoi reads it: 0 when missing or not a number.
    long long PatchSize();
    // Empty when the description publishes no digest.
    std::string PatchSha256() { return DescriptionChild("patchsha256"); }

    // "OrvaneVersion" under "configuration" in the installed configuration's text.
    std::string InstalledVersion(const std::string& configuration);

private:
    std::string DescriptionChild(const char* name);

    CXmlDocument m_xml;
    std::string m_description;
};
