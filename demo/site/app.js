// The demo's few scripted actions, wired by element id so the pages stay free of inline script.
(function () {
  "use strict";

  function on(id, handler) {
    var element = document.getElementById(id);
    if (element) element.addEventListener("click", handler);
  }

  function show(text) {
    var result = document.getElementById("result");
    if (result) result.textContent = text;
  }

  on("open-popup", function () {
    var popup = window.open("popup-window.html", "ostrel-popup", "width=520,height=360");
    show(popup ? "已打开弹出窗口。" : "弹出窗口被阻止了。");
  });

  on("close-window", function () {
    window.close();
  });

  on("show-alert", function () {
    window.alert("你好！这是来自 Ostrel 演示页面的提示。");
    show("提示框已关闭。");
  });

  on("show-confirm", function () {
    show(window.confirm("要继续吗？") ? "你选择了“确定”。" : "你选择了“取消”。");
  });

  var clock = document.getElementById("clock");
  if (clock) clock.textContent = new Date().toLocaleString("zh-CN");
})();
