#include "bench/net_plan.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace brisel::bench {
namespace {

std::uint64_t DrawUnboundedSize(SplitMix64& random) {
    const std::uint64_t ticket = random.Below(10'000);
    if (ticket < 5'500) {
        return 2;
    }
    if (ticket < 7'700) {
        return 3;
    }
    if (ticket < 8'600) {
        return 4;
    }
    if (ticket < 9'550) {
        return random.Between(5, 16);
    }
    if (ticket < 9'990) {
        return random.Between(17, PowerNetPins - 1);
    }
    return random.Between(PowerNetPins, 3'000);
}

}  // namespace

std::uint64_t DrawNetSize(std::uint64_t remaining, SplitMix64& random) {
    const std::uint64_t size = std::min(DrawUnboundedSize(random), remaining);
    return remaining - size == 1 ? remaining : size;
}

std::string NetName(std::uint64_t index, std::uint64_t pins, std::uint64_t powerNetsSoFar, SplitMix64& random) {
    static constexpr std::array<std::string_view, 10> powerNames = {"GND",  "+3V3", "VCC",  "+5V",  "+1V8",
                                                                    "AGND", "VDD",  "+12V", "VBAT", "DGND"};
    static constexpr std::array<std::string_view, 8> signalNames = {"DATA",      "ADDR",     "SDA",     "SCL",
                                                                    "/CPU/GPIO", "SPI_MOSI", "UART_TX", "RESET_N"};
    const std::string number = std::to_string(index);
    if (pins >= PowerNetPins) {
        if (powerNetsSoFar < powerNames.size()) {
            return std::string(powerNames[powerNetsSoFar]);
        }
        return "PWR" + number;
    }
    if (random.Below(5) == 0) {
        return std::string(signalNames[random.Below(signalNames.size())]) + number;
    }
    return "N$" + number;
}

}  // namespace brisel::bench
