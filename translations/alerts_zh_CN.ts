<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>NotifyCondition</name>
    <message>
        <source>received less</source>
        <translation>接收少于</translation>
    </message>
    <message>
        <source>收到以下</source>
        <translation>收到以下</translation>
    </message>
    <message>
        <source>sent less</source>
        <translation>发送少于</translation>
    </message>
    <message>
        <source>发送以下</source>
        <translation>发送以下</translation>
    </message>
    <message>
        <source>received more</source>
        <translation>接收多于</translation>
    </message>
    <message>
        <source>已接收以上</source>
        <translation>已接收以上</translation>
    </message>
    <message>
        <source>sent more</source>
        <translation>发送多于</translation>
    </message>
    <message>
        <source>发送以上</source>
        <translation>发送以上</translation>
    </message>
    <message>
        <source>received or sent more</source>
        <translation>接收或发送多于</translation>
    </message>
    <message>
        <source>收到或发送以上</source>
        <translation>收到或发送以上</translation>
    </message>
    <message>
        <source>received or sent less</source>
        <translation>接收或发送少于</translation>
    </message>
    <message>
        <source>收到或发送以下</source>
        <translation>收到或发送以下</translation>
    </message>
    <message>
        <source>received and sent more</source>
        <translation>接收和发送都多于</translation>
    </message>
    <message>
        <source>收到并发送以上</source>
        <translation>收到并发送以上</translation>
    </message>
    <message>
        <source>received and sent less</source>
        <translation>接收和发送都少于</translation>
    </message>
    <message>
        <source>收到并发送以下</source>
        <translation>收到并发送以下</translation>
    </message>
</context>
<context>
    <name>QuotaOveruseCheck</name>
    <message>
        <source>Your quota has been used up at least %1 percent. Please choose &apos;Quota&apos; from the popup menu for details.</source>
        <translation>您的配额已至少用去百分之 %1。详情请在弹出菜单中选择“配额”。</translation>
    </message>
</context>
<context>
    <name>QuotaReport</name>
    <message>
        <source>%1 of %2 with %3 left</source>
        <translation>%1 / %2，剩余 %3</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>周期</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n days left)</source>
        <translation>
            <numerusform>%1（剩余 %n 天）</numerusform>
        </translation>
    </message>
    <message>
        <source>Used</source>
        <translation>已用</translation>
    </message>
    <message>
        <source>Suggested daily usage</source>
        <translation>建议每日用量</translation>
    </message>
    <message>
        <source>Quota exceeded</source>
        <translation>已超出配额</translation>
    </message>
    <message>
        <source>Used On-Peak</source>
        <translation>高峰已用</translation>
    </message>
    <message>
        <source>Used Off-Peak</source>
        <translation>非高峰已用</translation>
    </message>
    <message>
        <source>quota exceeded</source>
        <translation>已超出配额</translation>
    </message>
    <message>
        <source>On-peak %1 : Off-peak %2</source>
        <translation>高峰 %1 : 非高峰 %2</translation>
    </message>
</context>
<context>
    <name>TQuotaSetup</name>
    <message>
        <source>Type: %1, Hours: %2, Traffic: %3, %4/%5 %6</source>
        <translation>类型：%1，时段：%2，通信量：%3，%4/%5 %6</translation>
    </message>
    <message>
        <source>Type: %1, Hours: %2, Traffic: %3, %4 %5</source>
        <translation>类型：%1，时段：%2，通信量：%3，%4 %5</translation>
    </message>
    <message>
        <source>每天</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>每月</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Flat rate</source>
        <translation>统一收费率</translation>
    </message>
    <message>
        <source>On/Off-peak</source>
        <translation>高峰/非高峰</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总共</translation>
    </message>
    <message>
        <source>Downloads only</source>
        <translation>只下载</translation>
    </message>
    <message>
        <source>Uploads only</source>
        <translation>只上传</translation>
    </message>
</context>
<context>
    <name>TRasLogger</name>
    <message>
        <source>Dial-up connections are no longer logged: %1</source>
        <translation>不再记录拨号连接：%1</translation>
    </message>
    <message>
        <source>Finished dial-up sessions could not be logged; they are kept and logged again later: %1</source>
        <translation>无法记录已结束的拨号会话；它们会被保留，稍后再次记录：%1</translation>
    </message>
    <message>
        <source>The dial-up logger failed: %1</source>
        <translation>拨号记录出错：%1</translation>
    </message>
</context>
<context>
    <name>TTrafficNotification</name>
    <message>
        <source>Within the last %1 minutes there was %2 than %3 of data: received %4, sent %5</source>
        <translation>在最近 %1 分钟内，数据%2 %3：接收 %4，发送 %5</translation>
    </message>
    <message>
        <source>Your computer will be shut down as per your instruction: %1</source>
        <translation>按照您的设置，计算机将被关闭：%1</translation>
    </message>
    <message>
        <source>This is a test notification</source>
        <translation>这是一条测试通知</translation>
    </message>
</context>
<context>
    <name>meterly::TNotificationsPage</name>
    <message>
        <source>启用通知(&amp;N)</source>
        <translation>启用通知(&amp;N)</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>条件</translation>
    </message>
    <message>
        <source>数据量</source>
        <translation>数据量</translation>
    </message>
    <message>
        <source>MB, 在最近</source>
        <translation>MB, 在最近</translation>
    </message>
    <message>
        <source>分钟内</source>
        <translation>分钟内</translation>
    </message>
    <message>
        <source>动作</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>显示消息并播放声音</source>
        <translation>显示消息并播放声音</translation>
    </message>
    <message>
        <source>WAV 文件 (*.wav)</source>
        <translation>WAV 文件 (*.wav)</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>运行程序</source>
        <translation>运行程序</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>断开拨号连接</source>
        <translation>断开拨号连接</translation>
    </message>
    <message>
        <source>显示图表</source>
        <translation>显示图表</translation>
    </message>
    <message>
        <source>关闭计算机</source>
        <translation>关闭计算机</translation>
    </message>
</context>
<context>
    <name>meterly::TQuotaForm</name>
    <message>
        <source>我的配额</source>
        <translation>我的配额</translation>
    </message>
    <message>
        <source>配额</source>
        <translation>配额</translation>
    </message>
    <message>
        <source>设置(&amp;S)...</source>
        <translation>设置(&amp;S)...</translation>
    </message>
    <message>
        <source>配额用到以下百分比时显示消息:</source>
        <translation>配额用到以下百分比时显示消息:</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>meterly::TQuotaModifyForm</name>
    <message>
        <source>设置配额</source>
        <translation>设置配额</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>每日</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>每月</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>统一收费率</source>
        <translation>统一收费率</translation>
    </message>
    <message>
        <source>总共</source>
        <translation>总共</translation>
    </message>
    <message>
        <source>只下载</source>
        <translation>只下载</translation>
    </message>
    <message>
        <source>只上传</source>
        <translation>只上传</translation>
    </message>
    <message>
        <source>Off-peak allowance</source>
        <translation>非高峰限额</translation>
    </message>
    <message>
        <source>周期:</source>
        <translation>周期:</translation>
    </message>
    <message>
        <source>时段:</source>
        <translation>时段:</translation>
    </message>
    <message>
        <source>通信量:</source>
        <translation>通信量:</translation>
    </message>
    <message>
        <source>单位:</source>
        <translation>单位:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Allowance</source>
        <translation>限额</translation>
    </message>
    <message>
        <source>On-peak allowance</source>
        <translation>高峰限额</translation>
    </message>
    <message>
        <source>开/关-最大值</source>
        <translation>高峰/非高峰</translation>
    </message>
</context>
<context>
    <name>meterly::TTimedMessageForm</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Meterly Notification</source>
        <translation>Meterly 通知</translation>
    </message>
    <message>
        <source>确定(&amp;O) (%1)</source>
        <translation>确定(&amp;O) (%1)</translation>
    </message>
</context>
<context>
    <name>meterly::TTimedMessageWithRemindOptionForm</name>
    <message>
        <source>一小时</source>
        <translation>一小时</translation>
    </message>
    <message>
        <source>一天</source>
        <translation>一天</translation>
    </message>
    <message>
        <source>三天</source>
        <translation>三天</translation>
    </message>
    <message>
        <source>一周</source>
        <translation>一周</translation>
    </message>
    <message>
        <source>在此周期不实行</source>
        <translation>在此周期不实行</translation>
    </message>
    <message>
        <source>Remind me again</source>
        <translation>再次提醒我</translation>
    </message>
</context>
</TS>
