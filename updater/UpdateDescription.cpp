#include "updater/UpdateDescription.h"

#include <cstdlib>

long long CUpdateDescription::PatchSize() { return std::atoi(DescriptionChild("patchsize").c_str()); }

std::string CUpdateDescription::DescriptionChild(const char* name) {
    m_xml.Load(m_description);
    if (!m_xml.FindChildElement(name)) return "";
    return m_xml.GetChildData();
}

std::string CUpdateDescription::InstalledVersion(const std::string& configuration) {
    m_xml.Load(configuration);
    m_xml.FindElement("configuration");
    std::string version = m_xml.FindChildElement("OrvaneVersion") ? m_xml.GetChildData() : std::string();
    m_xml.OutOfElement();
    return version;
}
