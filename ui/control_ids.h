// Dialog template and control ids, grouped by dialog. The resource script
// writes the same numbers.
#pragma once

namespace main_setup_ids {
inline constexpr int kTemplate = 111;
// Main Setup controls.
inline constexpr int kCameraSetupButton = 40000;  // default push button
inline constexpr int kModelList = 40001;
inline constexpr int k3GSetupButton = 40002;
inline constexpr int kVersionFrame = 40003;
inline constexpr int kLanguageList = 40004;
inline constexpr int kLanguageFrame = 40005;
inline constexpr int kVersionLabel = 40006;
inline constexpr int kModelFrame = 40007;
}  // namespace main_setup_ids

namespace camera_setup_ids {
inline constexpr int kTemplate = 113;
// Camera Setup controls.

// Row 1: Mode, Image Size.
inline constexpr int kModeFrame = 40000;
inline constexpr int kModeLabel = 40001;
inline constexpr int kModeList = 40006;
inline constexpr int kImgSizeFrame = 40004;
inline constexpr int kImgSizeLabel = 40003;
inline constexpr int kImgSizeList = 40005;
// Row 2: Video Size, Picture Number.
inline constexpr int kVideoSizeFrame = 40101;
inline constexpr int kVideoSizeLabel = 40002;
inline constexpr int kVideoSizeList = 40007;
inline constexpr int kPicNumFrame = 40009;
inline constexpr int kPicNumLabel = 40008;
inline constexpr int kPicNumList = 40010;
// Row 3: Time Stamp, Sense Level.
inline constexpr int kTimeStampFrame = 40011;
inline constexpr int kTimeStampLabel = 40012;
inline constexpr int kTimeStampList = 40013;
inline constexpr int kSenseLevelFrame = 40014;
inline constexpr int kSenseLevelLabel = 40015;
inline constexpr int kSenseLevelList = 40016;
// Row 4: Side PIR, Video Length.
inline constexpr int kSidePirFrame = 40017;
inline constexpr int kSidePirLabel = 40018;
inline constexpr int kSidePirList = 40019;
inline constexpr int kVideoLenFrame = 40020;
inline constexpr int kVideoLenLabel = 40021;
inline constexpr int kVideoLenList = 40076;
inline constexpr int kVideoLenUnitLabel = 40022;
// Row 5: Interval, Date Format.
inline constexpr int kIntervalFrame = 40023;
inline constexpr int kIntervalLabel = 40024;
inline constexpr int kIntervalNumberList = 40108;
inline constexpr int kIntervalUnitList = 40097;
inline constexpr int kDateFormatFrame = 40026;
inline constexpr int kDateFormatLabel = 40027;
inline constexpr int kDateFormatList = 40028;
// Row 6: Beep Sound, SD Cycle.
inline constexpr int kBeepSoundFrame = 40029;
inline constexpr int kBeepSoundLabel = 40030;
inline constexpr int kBeepSoundList = 40031;
inline constexpr int kSdCycleFrame = 40032;
inline constexpr int kSdCycleLabel = 40033;
inline constexpr int kSdCycleList = 40034;
// Row 7: Language, Time Zone.
inline constexpr int kLanguageFrame = 40102;
inline constexpr int kLanguageLabel = 40103;
inline constexpr int kLanguageList = 40104;
inline constexpr int kTimeZoneFrame = 40121;
inline constexpr int kTimeZoneLabel = 40123;
inline constexpr int kTimeZoneList = 40120;
// Row 8: Set Clock and the six clock fields.
inline constexpr int kClockFrame = 40035;
inline constexpr int kSetClockLabel = 40036;
inline constexpr int kSetClockList = 40037;
inline constexpr int kYearEdit = 40039;
inline constexpr int kMonthEdit = 40040;
inline constexpr int kDayEdit = 40042;
inline constexpr int kHourEdit = 40043;
inline constexpr int kMinuteEdit = 40044;
inline constexpr int kSecondEdit = 40045;
inline constexpr int kYearMonthSeparator = 40038;
inline constexpr int kMonthDaySeparator = 40041;
inline constexpr int kHourMinuteSeparator = 40046;
inline constexpr int kMinuteSecondSeparator = 40047;
// Row 9: Timer1.
inline constexpr int kTimer1Frame = 40048;
inline constexpr int kTimer1Label = 40049;
inline constexpr int kTimer1List = 40050;
inline constexpr int kTimer1StartFrame = 40051;
inline constexpr int kTimer1StartHourLabel = 40053;
inline constexpr int kTimer1StartMinLabel = 40056;
inline constexpr int kTimer1StartHourList = 40110;
inline constexpr int kTimer1StartSeparator = 40052;
inline constexpr int kTimer1StartMinList = 40111;
inline constexpr int kTimer1EndFrame = 40054;
inline constexpr int kTimer1EndHourLabel = 40055;
inline constexpr int kTimer1EndMinLabel = 40105;
inline constexpr int kTimer1EndHourList = 40109;
inline constexpr int kTimer1EndSeparator = 40077;
inline constexpr int kTimer1EndMinList = 40112;
// Row 10: Timer2.
inline constexpr int kTimer2Frame = 40062;
inline constexpr int kTimer2Label = 40063;
inline constexpr int kTimer2List = 40064;
inline constexpr int kTimer2StartFrame = 40065;
inline constexpr int kTimer2StartHourLabel = 40066;
inline constexpr int kTimer2StartMinLabel = 40067;
inline constexpr int kTimer2StartHourList = 40113;
inline constexpr int kTimer2StartSeparator = 40069;
inline constexpr int kTimer2StartMinList = 40114;
inline constexpr int kTimer2EndFrame = 40071;
inline constexpr int kTimer2EndHourLabel = 40072;
inline constexpr int kTimer2EndMinLabel = 40059;
inline constexpr int kTimer2EndHourList = 40115;
inline constexpr int kTimer2EndSeparator = 40075;
inline constexpr int kTimer2EndMinList = 40116;
// Row 11: Serial Number.
inline constexpr int kSerialFrame = 40078;
inline constexpr int kSerialLabel = 40079;
inline constexpr int kSerialList = 40080;
inline constexpr int kSerialChar1List = 40093;
inline constexpr int kSerialChar2List = 40098;
inline constexpr int kSerialChar3List = 40099;
inline constexpr int kSerialChar4List = 40100;
// Row 12: Time Lapse.
inline constexpr int kTimeLapseFrame = 40082;
inline constexpr int kTimeLapseLabel = 40081;
inline constexpr int kTimeLapseList = 40083;
inline constexpr int kTimeLapseHourLabel = 40084;
inline constexpr int kTimeLapseMinLabel = 40088;
inline constexpr int kTimeLapseSecLabel = 40089;
inline constexpr int kTimeLapseHourList = 40117;
inline constexpr int kTimeLapseHourSeparator = 40085;
inline constexpr int kTimeLapseMinList = 40118;
inline constexpr int kTimeLapseMinSeparator = 40086;
inline constexpr int kTimeLapseSecList = 40119;
// Row 13: Save Path.
inline constexpr int kSavePathFrame = 40092;
inline constexpr int kBrowseButton = 40073;
inline constexpr int kPathEdit = 40094;
// Row 14.
inline constexpr int kDefaultButton = 40095;
inline constexpr int kGenerateButton = 40096;

// The clock timer: identifier 1 of the dialog, every second.
inline constexpr int kClockTimerId = 1;
inline constexpr int kClockTimerPeriodMs = 1000;
}  // namespace camera_setup_ids

namespace parameter_page_ids {
inline constexpr int kTemplate = 107;
// 3G parameter page controls.
inline constexpr int kTopGroup = 40001;
inline constexpr int kSendOptionLabel = 40072;
inline constexpr int kSendOptionList = 40014;
inline constexpr int kParamSourceLabel = 40028;
inline constexpr int kParamSourceList = 40073;
inline constexpr int kFactoryDebugCheck = 40021;
inline constexpr int kFactoryDebugLabel = 40003;
inline constexpr int kOperatorGroup = 40027;
inline constexpr int kCountryLabel = 40081;
inline constexpr int kCountryList = 40000;
inline constexpr int kOperatorLabel = 40030;
inline constexpr int kOperatorList = 40031;
inline constexpr int kMmsGroup = 40026;
inline constexpr int kMmsUrlLabel = 40033;
inline constexpr int kMmsUrlEdit = 40035;
inline constexpr int kMmsApnCsdList = 40034;
inline constexpr int kMmsApnEdit = 40036;
inline constexpr int kMmsGatewayLabel = 40037;
inline constexpr int kMmsGatewayEdit = 40038;
inline constexpr int kMmsPortLabel = 40039;
inline constexpr int kMmsPortEdit = 40040;
inline constexpr int kMmsAccountLabel = 40041;
inline constexpr int kMmsAccountEdit = 40042;
inline constexpr int kMmsPasswordLabel = 40043;
inline constexpr int kMmsPasswordEdit = 40044;
inline constexpr int kFtpGroup = 40005;
inline constexpr int kFtpServerLabel = 40006;
inline constexpr int kFtpServerEdit = 40007;
inline constexpr int kFtpPortLabel = 40013;
inline constexpr int kFtpPortEdit = 40015;
inline constexpr int kFtpUserNameLabel = 40008;
inline constexpr int kFtpUserNameEdit = 40012;
inline constexpr int kFtpPasswordLabel = 40009;
inline constexpr int kFtpPasswordEdit = 40010;
inline constexpr int kFtpDirGroup = 40011;
inline constexpr int kFtpDirTypeList = 40016;
inline constexpr int kFtpDirEdit = 40017;
inline constexpr int kFtpHiddenPortLabel = 40020;
inline constexpr int kMailGroup = 40045;
inline constexpr int kNetGroup = 40074;
inline constexpr int kNetApnLabel = 40071;
inline constexpr int kNetApnEdit = 40080;
inline constexpr int kNetAccountLabel = 40076;
inline constexpr int kNetAccountEdit = 40075;
inline constexpr int kNetPasswordLabel = 40078;
inline constexpr int kNetPasswordEdit = 40077;
inline constexpr int kSenderGroup = 40046;
inline constexpr int kSenderServerLabel = 40047;
inline constexpr int kSenderServerEdit = 40052;
inline constexpr int kSenderPortLabel = 40048;
inline constexpr int kSenderPortEdit = 40053;
inline constexpr int kSenderEmailLabel = 40049;
inline constexpr int kSenderEmailEdit = 40054;
inline constexpr int kSenderAccountLabel = 40051;
inline constexpr int kSenderAccountEdit = 40055;
inline constexpr int kSenderPasswordLabel = 40050;
inline constexpr int kSenderPasswordEdit = 40056;
inline constexpr int kNextPage = 40082;
inline constexpr int kLanguageList = 40004;
inline constexpr int kVersionLabel = 40002;
}  // namespace parameter_page_ids

namespace send_page_ids {
inline constexpr int kTemplate = 106;
// 3G send page controls.
inline constexpr int kDestinationGroup = 40016;
inline constexpr int kPhoneGroup = 40021;
inline constexpr int kPhone1Label = 40019;
inline constexpr int kPhone2Label = 40022;
inline constexpr int kPhone1Edit = 40020;
inline constexpr int kPhone2Edit = 40023;
inline constexpr int kEmailGroup = 40017;
inline constexpr int kEmail1Label = 40002;
inline constexpr int kEmail2Label = 40003;
inline constexpr int kEmail1Edit = 40000;
inline constexpr int kEmail2Edit = 40004;
inline constexpr int kCoordinateGroup = 40040;
inline constexpr int kDirectionHead = 40036;
inline constexpr int kDegreeHead = 40037;
inline constexpr int kMinuteHead = 40038;
inline constexpr int kSecondHead = 40039;
inline constexpr int kLongitudeLabel = 40018;
inline constexpr int kLongitudeDirList = 40025;
inline constexpr int kLongitudeDegreeEdit = 40026;
inline constexpr int kLongitudeMinuteEdit = 40027;
inline constexpr int kLongitudeSecondEdit = 40028;
inline constexpr int kLatitudeLabel = 40029;
inline constexpr int kLatitudeDirList = 40030;
inline constexpr int kLatitudeDegreeEdit = 40031;
inline constexpr int kLatitudeMinuteEdit = 40032;
inline constexpr int kLatitudeSecondEdit = 40033;
inline constexpr int kImageSizeGroup = 40005;
inline constexpr int kImageSizeLabel = 40063;
inline constexpr int kImageSizeList = 40061;
inline constexpr int kMaxSendGroup = 40006;
inline constexpr int kMaxSendLabel = 40065;
inline constexpr int kMaxSendEdit = 40066;
inline constexpr int kPerDayLabel = 40007;
inline constexpr int kSendModeGroup = 40060;
inline constexpr int kSendModeLabel = 40062;
inline constexpr int kSendModeList = 40064;
inline constexpr int kDailyTimeLabel = 40008;
inline constexpr int kDailyTimeList = 40009;
inline constexpr int kRemoteGroup = 40057;
inline constexpr int kRemoteIntervalLabel = 40067;
inline constexpr int kRemoteIntervalList = 40070;
inline constexpr int kNoReplyCheck = 40024;
inline constexpr int kRemotePhoneLabel = 40058;
inline constexpr int kRemoteEmailLabel = 40069;
inline constexpr int kRemotePhoneEdit = 40059;
inline constexpr int kRemoteEmailEdit = 40068;
inline constexpr int kRemotePhoneHint = 40011;
inline constexpr int kRemoteEmailHint = 40014;
inline constexpr int kSavePathGroup = 40015;
inline constexpr int kBrowse = 40010;
inline constexpr int kSavePathEdit = 40012;
inline constexpr int kPreviousPage = 40001;
inline constexpr int kGenerate = 40013;
}  // namespace send_page_ids
