#include "dravon_core/shown_texts.h"

#include "check/check_run.h"
#include "config/data_areas.h"
#include "config/settings_file_items.h"
#include "config/station_run.h"
#include "discovery/address_change.h"
#include "discovery/bus_search.h"
#include "discovery/device_read.h"
#include "measure/bus_poll.h"
#include "measure/polling.h"
#include "platform/serial/port_failure_text.h"
#include "shell/search_state.h"
#include "shell/startup.h"

namespace dravon {

std::vector<std::string_view> ShownTexts() {
  std::vector<std::string_view> texts = {
      shell::kStartHint,
      shell::kSearchIdleCaption,
      shell::kSearchRunningCaption,
      discovery::kProbingText,
      discovery::kProbingCloseRefusedText,
      discovery::kFoundText,
      discovery::kNoneFoundText,
      discovery::kPortText,
      discovery::kBaudText,
      discovery::kSearchDoneText,
      discovery::kPortClosedText,
      discovery::kErrorTitle,
      discovery::kAddressTakenText,
      discovery::kAddressInvalidText,
      discovery::kReadFailuresText,
      discovery::kReadCompleteText,
      discovery::kServerSpeedText,
      measure::kPollStartCaption,
      measure::kPollStopCaption,
      measure::kBusPollStartCaption,
      measure::kBusPollStopCaption,
      measure::kNothingFoundText,
  };
  for (std::string_view text : config::DataAreaTexts()) texts.push_back(text);
  for (std::string_view text : check::CheckTexts()) texts.push_back(text);
  for (std::string_view text : config::SettingsFileTexts()) texts.push_back(text);
  for (std::string_view text : config::StationTexts()) texts.push_back(text);
  for (std::string_view text : platform::PortFailureTexts()) texts.push_back(text);
  return texts;
}

}  // namespace dravon
