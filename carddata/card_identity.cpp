#include "card_identity.h"

namespace tarnix {

IdentityNumber IdentityNumberOf(const CardIdentity& identity) {
  IdentityNumber number = identity.formatByte & 0x07;
  for (std::uint8_t byte : identity.identityBytes) number = (number << 8) | byte;
  return number;
}

DecodedIdentity DecodeCardIdentity(const CardIdentity& identity) {
  const auto& id = identity.identityBytes;
  const IdentityNumber number = IdentityNumberOf(identity);
  DecodedIdentity decoded;
  decoded.format = static_cast<std::uint8_t>((identity.formatByte >> 4) + kFirstFormatNumber);
  decoded.number = number;
  // WG26 reads only the low three identity bytes.
  decoded.wg26FacilityByte = id[1];
  decoded.wg26CardNumber = id[2] * 256 + id[3];
  // WG37 is the whole 35-bit number split 16 : 19.
  decoded.wg37Facility = static_cast<std::int32_t>(number >> 19);
  decoded.wg37CardNumber = static_cast<std::int32_t>(number & 0x7FFFF);
  return decoded;
}

const WiegandFormat* DecodedFormat(const DecodedIdentity& decoded) {
  if (decoded.format < kFirstFormatNumber) return nullptr;
  return FindFormat(static_cast<FormatIndex>(decoded.format - kFirstFormatNumber));
}

}  // namespace tarnix
