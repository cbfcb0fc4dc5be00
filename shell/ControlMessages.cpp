#include "shell/ControlMessages.h"

namespace control {

std::string TelephoneNumberMessage(const std::string& number) {
    return "ORVANE_TELNO_:" + number + ":_END";
}

std::string DialMessage(const std::string& number) { return "OVMSG_DIAL_TEL:" + number + ":"; }

std::string MakeDatagram(const std::string& text, std::size_t length) {
    std::string datagram = text.substr(0, length);
    datagram.resize(length, '\0');
    return datagram;
}

}  // namespace control
