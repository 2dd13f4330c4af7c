<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>NotifyCondition</name>
    <message>
        <source>received less</source>
        <translation>received less</translation>
    </message>
    <message>
        <source>收到以下</source>
        <translation>Received less</translation>
    </message>
    <message>
        <source>sent less</source>
        <translation>sent less</translation>
    </message>
    <message>
        <source>发送以下</source>
        <translation>Sent less</translation>
    </message>
    <message>
        <source>received more</source>
        <translation>received more</translation>
    </message>
    <message>
        <source>已接收以上</source>
        <translation>Received more</translation>
    </message>
    <message>
        <source>sent more</source>
        <translation>sent more</translation>
    </message>
    <message>
        <source>发送以上</source>
        <translation>Sent more</translation>
    </message>
    <message>
        <source>received or sent more</source>
        <translation>received or sent more</translation>
    </message>
    <message>
        <source>收到或发送以上</source>
        <translation>Received or sent more</translation>
    </message>
    <message>
        <source>received or sent less</source>
        <translation>received or sent less</translation>
    </message>
    <message>
        <source>收到或发送以下</source>
        <translation>Received or sent less</translation>
    </message>
    <message>
        <source>received and sent more</source>
        <translation>received and sent more</translation>
    </message>
    <message>
        <source>收到并发送以上</source>
        <translation>Received and sent more</translation>
    </message>
    <message>
        <source>received and sent less</source>
        <translation>received and sent less</translation>
    </message>
    <message>
        <source>收到并发送以下</source>
        <translation>Received and sent less</translation>
    </message>
</context>
<context>
    <name>QuotaOveruseCheck</name>
    <message>
        <source>Your quota has been used up at least %1 percent. Please choose &apos;Quota&apos; from the popup menu for details.</source>
        <translation>Your quota has been used up at least %1 percent. Please choose &apos;Quota&apos; from the popup menu for details.</translation>
    </message>
</context>
<context>
    <name>QuotaReport</name>
    <message>
        <source>%1 of %2 with %3 left</source>
        <translation>%1 of %2 with %3 left</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n days left)</source>
        <translation>
            <numerusform>%1 (%n day left)</numerusform>
            <numerusform>%1 (%n days left)</numerusform>
        </translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>Suggested daily usage</source>
        <translation>Suggested daily usage</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>Quota exceeded</translation>
    </message>
    <message>
        <source>Used On-Peak</source>
        <translation>Used On-Peak</translation>
    </message>
    <message>
        <source>Used Off-Peak</source>
        <translation>Used Off-Peak</translation>
    </message>
    <message>
        <source>quota exceeded</source>
        <translation>quota exceeded</translation>
    </message>
    <message>
        <source>On-peak %1 : Off-peak %2</source>
        <translation>On-peak %1 : Off-peak %2</translation>
    </message>
</context>
<context>
    <name>TQuotaSetup</name>
    <message>
        <source>Type: %1, Hours: %2, Traffic: %3, %4/%5 %6</source>
        <translation>Type: %1, Hours: %2, Traffic: %3, %4/%5 %6</translation>
    </message>
    <message>
        <source>Type: %1, Hours: %2, Traffic: %3, %4 %5</source>
        <translation>Type: %1, Hours: %2, Traffic: %3, %4 %5</translation>
    </message>
    <message>
        <source>每天</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>每月</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Flat rate</source>
        <translation>Flat rate</translation>
    </message>
    <message>
        <source>On/Off-peak</source>
        <translation>On/Off-peak</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Downloads only</source>
        <translation>Downloads only</translation>
    </message>
    <message>
        <source>Uploads only</source>
        <translation>Uploads only</translation>
    </message>
</context>
<context>
    <name>TRasLogger</name>
    <message>
        <source>Dial-up connections are no longer logged: %1</source>
        <translation>Dial-up connections are no longer logged: %1</translation>
    </message>
    <message>
        <source>Finished dial-up sessions could not be logged; they are kept and logged again later: %1</source>
        <translation>Finished dial-up sessions could not be logged; they are kept and logged again later: %1</translation>
    </message>
    <message>
        <source>The dial-up logger failed: %1</source>
        <translation>The dial-up logger failed: %1</translation>
    </message>
</context>
<context>
    <name>TTrafficNotification</name>
    <message>
        <source>Within the last %1 minutes there was %2 than %3 of data: received %4, sent %5</source>
        <translation>Within the last %1 minutes there was %2 than %3 of data: received %4, sent %5</translation>
    </message>
    <message>
        <source>Your computer will be shut down as per your instruction: %1</source>
        <translation>Your computer will be shut down as per your instruction: %1</translation>
    </message>
    <message>
        <source>This is a test notification</source>
        <translation>This is a test notification</translation>
    </message>
</context>
<context>
    <name>meterly::TNotificationsPage</name>
    <message>
        <source>启用通知(&amp;N)</source>
        <translation>Enable &amp;notifications</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>数据量</source>
        <translation>than</translation>
    </message>
    <message>
        <source>MB, 在最近</source>
        <translation>MB in</translation>
    </message>
    <message>
        <source>分钟内</source>
        <translation>min</translation>
    </message>
    <message>
        <source>动作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>显示消息并播放声音</source>
        <translation>Show a message and play a sound</translation>
    </message>
    <message>
        <source>WAV 文件 (*.wav)</source>
        <translation>WAV files (*.wav)</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>运行程序</source>
        <translation>Run a program</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>断开拨号连接</source>
        <translation>Hang up dial-up connections</translation>
    </message>
    <message>
        <source>显示图表</source>
        <translation>Show the graph</translation>
    </message>
    <message>
        <source>关闭计算机</source>
        <translation>Shut down the computer</translation>
    </message>
</context>
<context>
    <name>meterly::TQuotaForm</name>
    <message>
        <source>我的配额</source>
        <translation>My Quota</translation>
    </message>
    <message>
        <source>配额</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>设置(&amp;S)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>配额用到以下百分比时显示消息:</source>
        <translation>Show a message when this much of the quota is used up:</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>meterly::TQuotaModifyForm</name>
    <message>
        <source>设置配额</source>
        <translation>Quota Settings</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>每月</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>统一收费率</source>
        <translation>Flat rate</translation>
    </message>
    <message>
        <source>总共</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>只下载</source>
        <translation>Downloads only</translation>
    </message>
    <message>
        <source>只上传</source>
        <translation>Uploads only</translation>
    </message>
    <message>
        <source>Off-peak allowance</source>
        <translation>Off-peak allowance</translation>
    </message>
    <message>
        <source>周期:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>时段:</source>
        <translation>Hours:</translation>
    </message>
    <message>
        <source>通信量:</source>
        <translation>Traffic:</translation>
    </message>
    <message>
        <source>单位:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Allowance</source>
        <translation>Allowance</translation>
    </message>
    <message>
        <source>On-peak allowance</source>
        <translation>On-peak allowance</translation>
    </message>
    <message>
        <source>开/关-最大值</source>
        <translation>On/Off-Peak</translation>
    </message>
</context>
<context>
    <name>meterly::TTimedMessageForm</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Meterly Notification</source>
        <translation>Meterly Notification</translation>
    </message>
    <message>
        <source>确定(&amp;O) (%1)</source>
        <translation>&amp;OK (%1)</translation>
    </message>
</context>
<context>
    <name>meterly::TTimedMessageWithRemindOptionForm</name>
    <message>
        <source>一小时</source>
        <translation>In an hour</translation>
    </message>
    <message>
        <source>一天</source>
        <translation>In a day</translation>
    </message>
    <message>
        <source>三天</source>
        <translation>In three days</translation>
    </message>
    <message>
        <source>一周</source>
        <translation>In a week</translation>
    </message>
    <message>
        <source>在此周期不实行</source>
        <translation>Not in this period</translation>
    </message>
    <message>
        <source>Remind me again</source>
        <translation>Remind me again</translation>
    </message>
</context>
</TS>
